/* A codec library that lacks UpdatePIMDataFile: a plug-in must refuse to load against it. */
#define KIT_EXPORT __attribute__((visibility("default")))

KIT_EXPORT int Base64Decode(const char *src, char *dst)
{
    return (void)src, (void)dst, 0;
}
KIT_EXPORT int Base64Encode(const char *src, char *dst)
{
    return (void)src, (void)dst, 0;
}
KIT_EXPORT int QuotedPrintableDecode(const char *src, char *dst)
{
    return (void)src, (void)dst, 0;
}
KIT_EXPORT int QuotedPrintableEncode(const char *src, char *dst, int lineLength, int prefixLength)
{
    return (void)src, (void)dst, (void)lineLength, (void)prefixLength, 0;
}
KIT_EXPORT int JisToSJis(const char *src, char *dst)
{
    return (void)src, (void)dst, 0;
}
KIT_EXPORT int SJisToJis(const char *src, char *dst)
{
    return (void)src, (void)dst, 0;
}
