#include "codec.h"

#include "codec/handset_kit.h"

namespace plugin::codec {
namespace {

// The plug-in is linked against libHandsetKit.so with the program directory as its run path and
// with immediate binding, and this table takes the address of all seven exports (in their
// binding order), even those the card formats never call. So the dynamic loader itself refuses
// the plug-in when the library or any of the seven names is missing: there is no half-bound
// state and nothing to check at call time.
[[gnu::used]] const void *const kBoundExports[] = {
    reinterpret_cast<const void *>(&SJisToJis),
    reinterpret_cast<const void *>(&JisToSJis),
    reinterpret_cast<const void *>(&Base64Decode),
    reinterpret_cast<const void *>(&Base64Encode),
    reinterpret_cast<const void *>(&QuotedPrintableDecode),
    reinterpret_cast<const void *>(&QuotedPrintableEncode),
    reinterpret_cast<const void *>(&UpdatePIMDataFile),
};

} // namespace

int jisToSJis(const char *source, char *target)
{
    return JisToSJis(source, target);
}

int quotedPrintableDecode(const char *source, char *target)
{
    return source ? QuotedPrintableDecode(source, target) : 0;
}

int quotedPrintableEncode(const char *source, char *target, int lineLength, int prefixLength)
{
    return QuotedPrintableEncode(source, target, lineLength, prefixLength);
}

bool updatePimDataFile(const char *managementPath, const char *dataPath, const void *descriptor)
{
    if (!managementPath || !dataPath || !descriptor)
        return false;
    return UpdatePIMDataFile(managementPath, dataPath, descriptor) != 0;
}

} // namespace plugin::codec
