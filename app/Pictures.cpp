#include "app/Pictures.h"

#include "app/Bundle.h"

using namespace runtime;

namespace Pictures {
namespace {

struct PictureItem {
    explicit PictureItem(const char* name) : file(name) {}

    const char* file;
    PictureRef cache;

    PictureRef Get() {
        if (!cache) {
            if (FolderItemRef resources = Bundle::Resources()) {
                if (FolderItemRef f = resources->Child(file)) cache = f->OpenAsPicture();
            }
        }
        return cache;
    }
};

PictureItem clearItem{"clear.png"};
PictureItem deleteItem{"delete.png"};
PictureItem diskItem{"disk.png"};
PictureItem findItemItem{"findItem.png"};
PictureItem showFinderItem{"showFinder.png"};
PictureItem stopItem{"stop.png"};

}  // namespace

PictureRef clear() { return clearItem.Get(); }
PictureRef delete_() { return deleteItem.Get(); }
PictureRef disk() { return diskItem.Get(); }
PictureRef findItem() { return findItemItem.Get(); }
PictureRef showFinder() { return showFinderItem.Get(); }
PictureRef stop() { return stopItem.Get(); }

}  // namespace Pictures
