#include "shell/AppFileTypes.h"

tk::Ref<tk::FileType> appFileTypesText;
tk::Ref<tk::FileType> appFileTypesAll;

namespace {
void makeType(tk::Ref<tk::FileType>& slot, const char* name, const char* macType, const char* macCreator) {
    slot = tk::makeRef<tk::FileType>();
    slot->Name = name;
    slot->Extensions = "";
    slot->MacType = macType;
    slot->MacCreator = macCreator;
    slot->MimeType = "";
    slot->Imported = true;
    slot->ConformsTo = "";
    slot->Operator_Convert();
}
} // namespace

void makeAppFileTypes() {
    makeType(appFileTypesText, "text", "TEXT", "R*ch");
    makeType(appFileTypesAll, "all", "????", "????");
}

void releaseAppFileTypes() {
    appFileTypesAll.clear();
    appFileTypesText.clear();
}
