// The kinds of project item in the image's data block. The resource generator writes the items
// and the runtime reads them, both from this one header; it stays free of Win32 for the tools.
#pragma once

#include <cstdint>

// Every item starts with its kind word; the u32 words that follow depend on the kind:
//   picture, sound:                 a value, then the item's data to the end of the data block
//   menu bar:                       a length, then that many bytes of stream
//   settings:                       an unused word, a length, then that many bytes of stream
//   module:                         a class index, the address of the global that gets the instance
//   database:                       a length, the address of the name, two values
//   movie, values 7 and 8, cursor:  one value
enum ProjectItemKindCode : uint32_t {
    projectItemPicture = 1,
    projectItemMenuBar,
    projectItemMovie,
    projectItemSettings,
    projectItemModule,
    projectItemSound,
    projectItemValue7,
    projectItemValue8,
    projectItemCursor,
    projectItemDatabase,
};
