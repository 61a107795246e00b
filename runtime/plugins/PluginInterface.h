#pragma once
/*
 * The C interface between the runtime and a plug-in library.
 *
 * A plug-in is a shared library that exports REALPluginMain. The runtime calls
 * it once, right after loading the library, with its resolver; everything the
 * plug-in asks of the runtime goes through an entry that the resolver returns
 * for a name. A name the resolver does not know gives a null pointer.
 *
 * Names the resolver knows, and the type of the entry it gives:
 *   "RegisterPluginVersion"       RegisterPluginVersionProc
 *   "PluginRegisterMethod"        PluginRegisterMethodProc
 *   "REALFSRefFromFolderItem"     REALFSRefFromFolderItemProc
 *   "REALBuildPictureFromGWorld"  REALBuildPictureFromGWorldProc
 *
 * Language types cross the boundary as follows:
 *   Integer    -> int32_t
 *   Boolean    -> int32_t (0 False, anything else True)
 *   FolderItem -> REALfolderItem (may be null for nil)
 *   Picture    -> REALpicture (null for nil)
 * so "GetIconFromFile(f As FolderItem, iconID As Integer) As Picture" is
 * implemented by a function of type REALFolderItemPictureFunction.
 *
 * Plain C only: this header is included by plug-ins, which see no other header
 * of the runtime.
 */

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* The runtime's resolver: the entry point for a name, or null. */
typedef void* (*PluginResolver)(const char* name);

/* What a plug-in exports; the runtime calls it once after loading the library. */
typedef void (*REALPluginMainProc)(PluginResolver resolver);
#define REAL_PLUGIN_MAIN_SYMBOL "REALPluginMain"

/* The plug-in interface version this runtime speaks. */
#define REAL_PLUGIN_INTERFACE_VERSION 9

/* ---- Handles ------------------------------------------------------------ */

/* A FolderItem handed to a plug-in function. Valid until that call returns. */
typedef struct REALfolderItemData* REALfolderItem;

/* A Picture built by the runtime for a plug-in; see REALBuildPictureFromGWorld. */
typedef struct REALpictureData* REALpicture;

/* ---- Registration ------------------------------------------------------- */

/* A global method the plug-in adds to the language. The runtime keeps the
 * function pointer and a copy of the declaration: the record itself need not
 * outlive the call that registers it. */
typedef struct REALmethodDefinition {
    void* function;          /* the implementation; required */
    void* setterFunction;    /* unused by global methods; null */
    const char* declaration; /* e.g. "GetIconFromFile(f As FolderItem, iconID As Integer) As Picture" */
    uint32_t flags;          /* 0 */
} REALmethodDefinition;

/* Announces the interface version the plug-in was written for. */
typedef void (*RegisterPluginVersionProc)(int32_t version);

/* Registers a global method. Returns 1 when registered, 0 when refused: a null
 * record, function or declaration, an empty declaration, a declaration already
 * registered, or a call made outside REALPluginMain. */
typedef int32_t (*PluginRegisterMethodProc)(const REALmethodDefinition* definition);

/* ---- Folder items ------------------------------------------------------- */

/* What the plug-in's platform layer needs to find an item on disk. */
typedef struct REALfsRef {
    const char* posixPath; /* absolute POSIX path, UTF-8, NUL-terminated; owned by
                              the runtime, valid as long as the folder item is */
    size_t pathLength;     /* bytes of posixPath before the NUL */
} REALfsRef;

/* Fills *ref for an item that exists. Returns 1 on success; 0 (and *ref left
 * untouched) for a null or unknown handle, a null ref, or an item that does
 * not exist. */
typedef int32_t (*REALFSRefFromFolderItemProc)(REALfolderItem item, REALfsRef* ref);

/* ---- Pictures ----------------------------------------------------------- */

/* Pixel layouts of REALpixelBuffer.pixelFormat. */
enum {
    REALPixelFormatMono1 = 1,    /* 1 bit a pixel, most significant bit first */
    REALPixelFormatIndexed8 = 8, /* 8-bit index into colorTable */
    REALPixelFormatARGB32 = 32,  /* bytes A R G B; the A byte is ignored */
    REALPixelFormatGray8 = 40    /* 8-bit index into colorTable */
};

/* An offscreen pixel buffer that the plug-in fills. */
typedef struct REALpixelBuffer {
    int32_t width;              /* pixels, 1 ... 16384 */
    int32_t height;             /* pixels, 1 ... 16384 */
    int32_t rowBytes;           /* bytes from one row to the next */
    int32_t pixelFormat;        /* one of REALPixelFormat* */
    const void* pixels;         /* the first row */
    size_t byteCount;           /* bytes readable at pixels */
    const uint32_t* colorTable; /* 0xAARRGGBB entries (alpha ignored), or null for
                                   the format's standard table */
    int32_t colorCount;         /* entries in colorTable */
} REALpixelBuffer;
/* Standard tables: Gray8 runs from white at index 0 to black at 255; Mono1
 * shows bit 0 white and bit 1 black; Indexed8 uses the classic 256-colour
 * system palette (a 6x6x6 cube from white, then red, green, blue and grey
 * ramps, black last). An index beyond a given table is black. */

/* Builds an opaque picture of the buffer's size from its pixels. The pixels are
 * copied: the buffer stays the plug-in's and may be released at once.
 * The picture belongs to the runtime. It may be returned as the result of the
 * plug-in function during whose call it was built, and only then; a picture
 * that is not returned is released when that call ends. Returns null for a
 * malformed buffer (size out of range, unknown format, rowBytes shorter than a
 * row, fewer bytes than the rows need, a null pointer) or when no plug-in
 * function call is in progress. */
typedef REALpicture (*REALBuildPictureFromGWorldProc)(const REALpixelBuffer* buffer);

/* ---- Function shapes ---------------------------------------------------- */

/* "Name(f As FolderItem, n As Integer) As Picture" */
typedef REALpicture (*REALFolderItemPictureFunction)(REALfolderItem f, int32_t n);

#ifdef __cplusplus
}
#endif
