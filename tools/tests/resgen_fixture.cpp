// Test-only helpers for the resource generator.
#include "tests/resgen_fixture.h"

#include <png.h>

#include <stdexcept>

namespace testsupport {

const char* const kTestBuiltinClasses = R"(// built-in classes for the tests
BUILTIN_CLASS(Object, none, 24, "")
BUILTIN_CLASS(Application, none, 24, "")
BUILTIN_CLASS(Window, none, 160, "")
BUILTIN_CLASS(Dialog, Window, 160, "")
BUILTIN_CLASS(Control, none, 64, "")
BUILTIN_CLASS(RectControl, Control, 104, "")
BUILTIN_CLASS(Canvas, RectControl, 112, "")
BUILTIN_CLASS(StaticText, RectControl, 124, "")
BUILTIN_CLASS(PushButton, RectControl, 120, "")
BUILTIN_CLASS(EditField, RectControl, 140, "")
BUILTIN_CLASS(CheckBox, RectControl, 120, "")
BUILTIN_CLASS(MenuItem, none, 64, "")
BUILTIN_CLASS(QuitMenuItem, MenuItem, 64, "")
BUILTIN_CLASS(Date, none, 52, "java/util/Date")
)";

GeneratorRun runGenerator(const std::vector<resgen::DescriptionFile>& files)
{
    tools::Diagnostics diagnostics("resgen");
    const std::optional<resgen::BuiltinClasses> builtins =
        resgen::parseBuiltinClasses("builtins.def", kTestBuiltinClasses, diagnostics);
    if (!builtins)
        throw std::logic_error("the test's built-in classes do not read");
    GeneratorRun run;
    run.model = resgen::buildImageModel(*builtins, files, diagnostics);
    run.messages = diagnostics.messages();
    return run;
}

void writePng(const std::string& path, uint32_t width, uint32_t height, const std::vector<uint8_t>& rgba)
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = width;
    image.height = height;
    image.format = PNG_FORMAT_RGBA;
    if (!png_image_write_to_file(&image, path.c_str(), 0, rgba.data(), 0, nullptr)) {
        throw std::runtime_error("cannot write " + path + ": " + image.message);
    }
}

const resgen::ProjectItem* findItem(const resgen::ImageModel& model, resgen::ProjectItemKind kind)
{
    for (const resgen::ProjectItem& item : model.items) {
        if (item.kind == kind)
            return &item;
    }
    return nullptr;
}

} // namespace testsupport
