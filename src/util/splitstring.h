#pragma once

#include <string>
#include <string_view>
#include <vector>

// Cuts a line of text into fields at a one-character delimiter. Paths, settings lines and definition lines
// are all taken apart with these.
namespace vetra::splitstring {

// Every delimiter closes a field; a trailing delimiter adds one empty field; the empty text has no field.
int SplitFields(char delimiter, std::string_view text, std::vector<std::string>& fields);

// Like SplitFields, but splits at the first maximum - 1 delimiters only: the last field keeps the rest.
int SplitFieldsMax(char delimiter, std::string_view text, int maximum, std::vector<std::string>& fields);

}  // namespace vetra::splitstring
