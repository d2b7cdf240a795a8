#pragma once

namespace plugin::codec {

// The codec calls the card formats use, bound to libHandsetKit.so when the plug-in is loaded
// (see codec.cpp). Contracts as in codec/handset_kit.h.
int jisToSJis(const char *source, char *target);
int quotedPrintableDecode(const char *source, char *target);
int quotedPrintableEncode(const char *source, char *target, int lineLength, int prefixLength);
// False when any argument is null or the update fails.
bool updatePimDataFile(const char *managementPath, const char *dataPath, const void *descriptor);

} // namespace plugin::codec
