#pragma once
// The two file messages every reader shows: a file that is missing and a
// file whose contents could not be read.

#include <string_view>

class CIndexTextFile;

// "Dialog.FileNotFound" with the file's absolute path; returns the answer.
int ShowFileNotFound(const char16_t* path);
// "Database.Error.FileErrorFormat" with the stream's file name and its
// stored error text; returns the answer.
int ShowFileFormatError(const CIndexTextFile& file);
// The same for damage found in a file once it was read.
int ShowFileFormatError(std::u16string_view fileName, std::u16string_view error);
