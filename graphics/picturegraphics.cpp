// A Graphics on a picture: it draws into the picture's image.
#include "graphics/graphics.h"
#include "graphics/graphicsexports.h"
#include "graphics/picture.h"
#include "runtime/objects/builtinclassset.h"

namespace {

class PictureImage : public GraphicsOwner {
public:
    using GraphicsOwner::GraphicsOwner;
    HDC acquireDeviceContext() override { return pictureBeginDrawing(object()); }
    void releaseDeviceContext(HDC) override { pictureEndDrawing(object()); }
};

} // namespace

// The Graphics covers the picture as decoded; one of a picture that cannot be decoded is empty
// and draws nothing.
extern "C" ObjectHeader* pictureGraphicsGetter(ObjectHeader* picture, int32_t)
{
    if (!picture || !objectIsa(picture, pictureClass()))
        return nullptr;
    PictureBitmaps bitmaps = {};
    pictureBitmaps(picture, bitmaps);
    return graphicsNew(std::make_unique<PictureImage>(picture),
                       {0, 0, bitmaps.width, bitmaps.height, RGB(255, 255, 255)});
}

void pictureDeclareProperties(ClassDescriptor* cls)
{
    classDeclareProperties(cls, {{"Graphics", accessor(pictureGraphicsGetter), nullptr, 0,
                                  propertyOfClass(builtinClass(BuiltinClassId::Graphics))}});
}
