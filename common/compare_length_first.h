#pragma once

#ifdef __cplusplus
extern "C" {
#endif

/*
 * The program's string order for sorting and matching: the shorter string (by byte length)
 * sorts first; strings of equal length compare byte by byte as unsigned values. Returns a
 * negative number, 0 when equal, or a positive number. A null string counts as empty.
 */
int CompareLengthFirst(const char *a, const char *b);

#ifdef __cplusplus
}
#endif
