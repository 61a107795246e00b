#include "engine/ItemFacts.h"

#include "foundation/Globals.h"

using namespace runtime;

const String& ItemFacts::Name() {
    if (!name_) name_ = item_->Name();
    return *name_;
}

const String& ItemFacts::Extension() {
    if (!extension_) extension_ = Globals::gExtractExtn(Name());
    return *extension_;
}

bool ItemFacts::AppPackage() {
    // The type is read only when the extension matched.
    if (!appPackage_) appPackage_ = Extension() == "app" && item_->MacType() == "fold";
    return *appPackage_;
}

const String& ItemFacts::TypeCreator() {
    if (!typeCreator_)
        typeCreator_ = AppPackage() ? Globals::gGetTypeCre(item_) : item_->MacType() + item_->MacCreator();
    return *typeCreator_;
}
