#include "codec_binding.h"

namespace host {
namespace {

template<typename Function>
bool resolve(const platform::DynamicLibrary &library, const char *name, Function &function)
{
    function = reinterpret_cast<Function>(library.symbol(name));
    return function != nullptr;
}

} // namespace

CodecBinding::~CodecBinding()
{
    unbind();
}

bool CodecBinding::bind(const std::string &path)
{
    if (isBound())
        return false;
    if (!m_library.load(path))
        return false;
    const bool complete = resolve(m_library, "SJisToJis", m_sjisToJis)
                          && resolve(m_library, "JisToSJis", m_jisToSjis)
                          && resolve(m_library, "Base64Decode", m_base64Decode)
                          && resolve(m_library, "Base64Encode", m_base64Encode)
                          && resolve(m_library, "QuotedPrintableDecode", m_quotedPrintableDecode)
                          && resolve(m_library, "QuotedPrintableEncode", m_quotedPrintableEncode);
    if (!complete)
        unbind();
    return complete;
}

void CodecBinding::unbind()
{
    m_library.unload();
    m_sjisToJis = nullptr;
    m_jisToSjis = nullptr;
    m_base64Decode = nullptr;
    m_base64Encode = nullptr;
    m_quotedPrintableDecode = nullptr;
    m_quotedPrintableEncode = nullptr;
}

int CodecBinding::base64Decode(const char *src, char *dst) const
{
    return m_base64Decode ? m_base64Decode(src, dst) : 0;
}

int CodecBinding::quotedPrintableDecode(const char *src, char *dst) const
{
    return m_quotedPrintableDecode ? m_quotedPrintableDecode(src, dst) : 0;
}

int CodecBinding::jisToSjis(const char *src, char *dst) const
{
    return m_jisToSjis ? m_jisToSjis(src, dst) : 0;
}

} // namespace host
