// MoviePlayer: plays the movie of the image's resource table that its Movie property names,
// in its window's lifetime. The movies this runtime plays are sounds in the wave format; a
// movie that is missing, damaged or has no device to play on is reported on the debug output
// and the window goes on without it.
#include "ui/controls/movieplayer.h"

#include "image/resourcetable.h"
#include "project/projectobjects.h"
#include "runtime/objects/builtinclassset.h"
#include "ui/controls/controlkinds.h"
#include "ui/media/soundobjects.h"
#include "ui/media/soundplayer.h"
#include "ui/windows/fieldaccessors.h"

#include <cstddef>
#include <memory>

namespace {

constexpr uint32_t largestMovie = 64u << 20;

struct MoviePlayerObject {
    RectControlObject rect;
    ObjectHeader* movie;
    int32_t controller;
    uint8_t looping;
    uint8_t palindrome;
    uint8_t autoResize;
    uint8_t border;
    uint8_t speaker;
    uint8_t hasStep;
};
static_assert(sizeof(MoviePlayerObject) <= 128, "the MoviePlayer class is 128 bytes");

MoviePlayerObject* asMoviePlayer(ObjectHeader* object)
{
    return reinterpret_cast<MoviePlayerObject*>(object);
}

// A movie item's data is the file offset of the movie in the file that carries the table.
std::vector<uint8_t> movieBytes(int32_t resourceNumber)
{
    HANDLE file;
    uint32_t position, offset;
    uint8_t header[12];
    if (!resourceItemData(resourceNumber, file, position) || !resourceReadBigEndianAt(file, position, offset) ||
        !resourceReadAt(file, offset, header, sizeof header))
        return {};
    uint32_t size = waveFileSize(header, sizeof header);
    if (size == 0 || size > largestMovie)
        return {};
    std::vector<uint8_t> bytes(size);
    if (!resourceReadAt(file, offset, bytes.data(), size))
        return {};
    return bytes;
}

void reportNotPlayed(const std::string& why)
{
    OutputDebugStringA(("The movie is not played: " + why + "\n").c_str());
}

// Shows nothing: the movies are sounds and there is no controller.
class MoviePlayerPane : public DrawnPane {
public:
    using DrawnPane::DrawnPane;

    void play()
    {
        MoviePlayerObject* player = asMoviePlayer(control());
        auto* movie = reinterpret_cast<MovieObject*>(player->movie);
        if (!movie) {
            reportNotPlayed("the player has no movie");
            return;
        }
        std::string error;
        if (!sound.play(movieBytes(movie->resourceNumber), player->looping != 0, error))
            reportNotPlayed(error);
    }

    SoundPlayer sound;

protected:
    void drawContent(HDC) override {}
};

MoviePlayerPane* playerPane(ObjectHeader* player)
{
    Pane* pane = paneOfControl(player);
    return pane && pane->handle() ? static_cast<MoviePlayerPane*>(pane) : nullptr;
}

bool isMoviePlayer(ObjectHeader* object)
{
    return objectIsa(object, builtinClass(BuiltinClassId::MoviePlayer));
}

void destroyMoviePlayer(ObjectHeader* object, ClassDescriptor*)
{
    RuntimeUnlockObject(asMoviePlayer(object)->movie);
}

} // namespace

extern "C" void RuntimeMediaPlay(ObjectHeader* media)
{
    if (!media)
        return;
    if (objectIsa(media, builtinClass(BuiltinClassId::Sound))) {
        soundObjectPlay(media);
        return;
    }
    if (!isMoviePlayer(media))
        return;
    if (MoviePlayerPane* pane = playerPane(media))
        pane->play();
}

extern "C" void mediaControllerLoopingSetter(ObjectHeader* player, int32_t, int32_t looping)
{
    if (!player || !isMoviePlayer(player))
        return;
    asMoviePlayer(player)->looping = (looping & 0xFF) != 0;
    if (MoviePlayerPane* pane = playerPane(player))
        pane->sound.setLooping(asMoviePlayer(player)->looping);
}

extern "C" int32_t mediaControllerLoopingGetter(ObjectHeader* player, int32_t)
{
    return player && isMoviePlayer(player) ? asMoviePlayer(player)->looping : 0;
}

bool moviePlayerIsPlaying(ObjectHeader* player)
{
    MoviePlayerPane* pane = playerPane(player);
    return pane && pane->sound.isPlaying();
}

uint32_t moviePlayerPassesPlayed(ObjectHeader* player)
{
    MoviePlayerPane* pane = playerPane(player);
    return pane ? pane->sound.passesPlayed() : 0;
}

void moviePlayerSetUpClass(ClassDescriptor* cls)
{
    cls->destructor = destroyMoviePlayer;
    void* const booleanGetter = accessor(booleanFieldGetter);
    void* const booleanSetter = accessor(booleanFieldSetter);
    classDeclareProperties(
        cls, {
                 {"Movie", accessor(objGetter), accessor(objSetter), offsetof(MoviePlayerObject, movie),
                  propertyOfClass(builtinClass(BuiltinClassId::Movie))},
                 {"Controller", accessor(integerFieldGetter), accessor(integerFieldSetter),
                  offsetof(MoviePlayerObject, controller), propertyInteger},
                 {"Looping", accessor(mediaControllerLoopingGetter), accessor(mediaControllerLoopingSetter), 0,
                  propertyBoolean},
                 {"Palindrome", booleanGetter, booleanSetter, offsetof(MoviePlayerObject, palindrome), propertyBoolean},
                 {"AutoResize", booleanGetter, booleanSetter, offsetof(MoviePlayerObject, autoResize), propertyBoolean},
                 {"Border", booleanGetter, booleanSetter, offsetof(MoviePlayerObject, border), propertyBoolean},
                 {"Speaker", booleanGetter, booleanSetter, offsetof(MoviePlayerObject, speaker), propertyBoolean},
                 {"HasStep", booleanGetter, booleanSetter, offsetof(MoviePlayerObject, hasStep), propertyBoolean},
             });
    classAddRuntimeHandler(cls, "CreatePane", accessor(createDrawnPane<MoviePlayerPane>));
}
