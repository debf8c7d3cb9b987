#pragma once
// Field values of a dBASE record: the text form the table layer hands out, and the
// stored form of values put into a field. Stored bytes are in the DOS code page; the
// texts crossing the layer are in the Windows code page. A value that does not fit
// its field throws DbfError, never a cut number.

#include <cstdint>
#include <string>
#include <string_view>

#include "tables/dbf_field.h"

namespace zt6 {

// Whole records or fields between the code pages, without the length limit of the
// short-text conversions.
std::string StoredToWindows(std::string_view oem);
std::string WindowsToStored(std::string_view ansi);

// "T", "t", "Y" and "y" are true.
bool IsTrue(char stored);
bool IsBlank(std::string_view stored);
// The numeric value of a stored or typed number; blank or no number gives 0.
double NumberOf(std::string_view text);

// The text form of a stored field value: C as stored, N and F re-formatted with the
// declared decimals (blank stays blank), L "Y" or "N", M "MEMO" or "none", D as stored.
std::string FieldTextForm(const DbfColumn& column, std::string_view stored);

// A blank field of the column's length.
std::string BlankValue(const DbfColumn& column);

// The stored form of a value. Text: C is cut to the field length; N and F take a
// number ("," or "." as decimal point), L a truth letter, D eight digits; blank gives a
// blank field; M cannot be written.
std::string StoredText(const DbfColumn& column, std::string_view ansi);
// A value typed by the user: as StoredText, but what StoredText would change is refused
// too, so the field holds what was typed: text longer than a C field, a number with
// more decimals than its field keeps.
std::string StoredTypedText(const DbfColumn& column, std::string_view ansi);
std::string StoredReal(const DbfColumn& column, double value);
std::string StoredInteger(const DbfColumn& column, std::int64_t value);
std::string StoredLogical(const DbfColumn& column, bool value);

// The value of a field of another table for this column, both stored forms: numbers
// become right-aligned text, texts numbers by their value, truth values "T"/"F";
// types that have no conversion give a blank field.
std::string ConvertedValue(const DbfColumn& target, const DbfColumn& source,
                           std::string_view stored);

// "NAME (N 6,2)" for messages.
std::string ColumnLabel(const DbfColumn& column);

}  // namespace zt6
