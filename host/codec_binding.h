#pragma once

#include "platform/dynamic_library.h"

#include <string>

namespace host {

// The codec library, bound by path at start-up. The editor itself calls only the two decoders
// and JisToSJis; the other three functions must still be present, so that a damaged library is
// refused as a whole rather than failing later inside a plug-in.
class CodecBinding
{
public:
    using TextFunction = int (*)(const char *src, char *dst);
    using EncodeFunction = int (*)(const char *src, char *dst, int lineLength, int prefixLength);

    CodecBinding() = default;
    CodecBinding(const CodecBinding &) = delete;
    CodecBinding &operator=(const CodecBinding &) = delete;
    ~CodecBinding();

    // Loads the library at path and resolves SJisToJis, JisToSJis, Base64Decode, Base64Encode,
    // QuotedPrintableDecode and QuotedPrintableEncode. False, with nothing bound, when a library
    // is already bound, the file cannot be loaded or a name is missing.
    bool bind(const std::string &path);
    void unbind();
    bool isBound() const { return m_library.isLoaded(); }

    // The library's decoders (see codec/handset_kit.h); 0 when nothing is bound.
    int base64Decode(const char *src, char *dst) const;
    int quotedPrintableDecode(const char *src, char *dst) const;
    int jisToSjis(const char *src, char *dst) const;

private:
    platform::DynamicLibrary m_library;
    TextFunction m_sjisToJis = nullptr;
    TextFunction m_jisToSjis = nullptr;
    TextFunction m_base64Decode = nullptr;
    TextFunction m_base64Encode = nullptr;
    TextFunction m_quotedPrintableDecode = nullptr;
    EncodeFunction m_quotedPrintableEncode = nullptr;
};

} // namespace host
