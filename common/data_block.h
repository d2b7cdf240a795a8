#pragma once

/*
 * DataBlock: the records of one kind laid end to end in one calloc block and chained through
 * their RecordHeader prev and next fields. A link holds the signed byte distance from its record
 * to the linked record, 0 for none, so a chain means the same at any address and on any word
 * size. Nothing but RecordLink and SetRecordLink reads or writes a link.
 *
 * Records may lie at any byte offset (mail records follow each other without padding); these
 * helpers never read a header through a misaligned pointer.
 *
 * C-compatible: the header compiles as C11 and as C++.
 */

#include "common/records.h"

#ifdef __cplusplus
extern "C" {
#endif

enum RecordLinkField { RECORD_LINK_PREV, RECORD_LINK_NEXT };

/* The record the given link of record points at; null when the link is 0 or record is null. */
void *RecordLink(const void *record, enum RecordLinkField field);

/*
 * Points the given link of record at target; a null target (or target == record) writes 0.
 * Returns 1, or 0 when the distance does not fit the 32-bit field (the link is then set to 0).
 */
int SetRecordLink(void *record, enum RecordLinkField field, const void *target);

/* Sets previous -> next = record and record -> prev = previous (0 when previous is null). */
void ChainRecords(void *previous, void *record);

/*
 * The number of records along the next links from first (0 for null), or SIZE_MAX when the
 * chain runs in a circle.
 */
size_t ChainLength(const void *first);

/* The header's kind, read from a record at any byte offset; 0 for null. */
uint32_t RecordKind(const void *record);

/*
 * A zeroed block for count records of recordSize bytes, from calloc; the receiver frees it with
 * free. Null when count or recordSize is 0, the size overflows, or memory runs out.
 */
void *AllocateDataBlock(size_t count, size_t recordSize);

#ifdef __cplusplus
}
#endif
