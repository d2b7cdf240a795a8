#pragma once

/*
 * HandsetKit: the text codecs and the data-management file update shared by the editor and the
 * model plug-ins.
 *
 * Every function works on NUL-terminated byte strings in the Shift_JIS multibyte environment and
 * never allocates: the caller owns every buffer. A null output buffer computes the result count
 * and writes nothing, so callers size first and convert second. No function reports an error
 * other than through its count; malformed input is converted byte by byte, and nothing past the
 * source's terminator is ever read.
 */

#ifdef __cplusplus
extern "C" {
#endif

#define HANDSETKIT_API __attribute__((visibility("default")))

/*
 * Decodes Base64 text. Every group of four source characters begun yields three bytes; a
 * character outside the alphabet ('=', CR, LF and space included) counts as value 0 and still
 * takes its place in a group, as do the missing characters of a last, short group.
 * Writes no terminator. Returns 3 x the number of groups; 0 for a null source.
 */
HANDSETKIT_API int Base64Decode(const char *src, char *dst);

/*
 * Encodes bytes as one line of Base64. The characters go to dst from byte 16 on; bytes 0-15 of
 * dst are left untouched. Returns 16 + the characters written, + 1 when the source length is not
 * a multiple of 3; the terminating NUL then lies at the returned count - 1, else at the returned
 * count (dst must hold the returned count + 1 bytes). An empty source returns 16 and writes
 * nothing. 0 for a null source.
 */
HANDSETKIT_API int Base64Encode(const char *src, char *dst);

/*
 * Decodes quoted-printable text: "=XY" becomes the byte 0xXY (lower-case digits accepted, other
 * characters give an unspecified byte), every other byte is copied. There is no soft-line-break
 * handling: the caller joins folded lines first. A '=' with fewer than two characters after it
 * is copied as it stands. Writes a terminating NUL. Returns the bytes produced + 1 (terminator
 * counted); 0 for a null source.
 */
HANDSETKIT_API int QuotedPrintableDecode(const char *src, char *dst);

/*
 * Encodes src as quoted-printable. The first prefixLength bytes (a property name, say) are copied
 * unencoded and count toward the first line; every later byte below 0x21, above 0x7F, or '=' is
 * written as "=XY". With lineLength > 0, once a line holds lineLength characters and more
 * source follows, a soft line break "=" LF is inserted. Writes a terminating NUL.
 * Returns the characters produced + 5, where a prefix counts with its full length even when the
 * source is shorter; 0 for a null source.
 */
HANDSETKIT_API int QuotedPrintableEncode(const char *src, char *dst, int lineLength,
                                         int prefixLength);

/*
 * Converts 7-bit JIS (ESC $ B ... ESC ( B) to Shift_JIS. A JIS X 0208 code without a Shift_JIS
 * form becomes two zero bytes; an LF not preceded by CR becomes CR LF. Writes a terminating NUL.
 * Returns the bytes produced, terminator not counted; 0 for a null source.
 */
HANDSETKIT_API int JisToSJis(const char *src, char *dst);

/*
 * Converts Shift_JIS to 7-bit JIS, enclosing every run of double-byte characters in
 * ESC $ B ... ESC ( B. A pair without a JIS X 0208 code becomes two zero bytes; CR LF becomes LF.
 * Half-width katakana are copied. Writes a terminating NUL. Returns the bytes produced,
 * terminator not counted; 0 for a null source.
 */
HANDSETKIT_API int SJisToJis(const char *src, char *dst);

/*
 * Registers the data file dataPath (its name's first digit 1-9 starts its slot number) in the
 * card's data-management file managementPath, creating that file when it does not exist.
 * descriptor points to the 128-byte slot template of the kind of data written. The management
 * file is held exclusively for the whole update; an update that finds it held fails at once.
 * Returns 1 on success, 0 on any failure (also for a null argument).
 */
HANDSETKIT_API int UpdatePIMDataFile(const char *managementPath, const char *dataPath,
                                     const void *descriptor);

#ifdef __cplusplus
}
#endif
