#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace views {

// The file name of an exported message: "<folder>mm<seconds><counter>.eml", both numbers in
// lower-case hexadecimal. folder ends with '/'.
std::string MailExportName(const std::string &folder, uint64_t seconds, unsigned counter);

// The text written for a message: the stored text, led by "MIME-Version: 1.0",
// "Content-Type: text/plain; charset=Shift_JIS" and "Content-Transfer-Encoding: 8bit" when
// its header (the lines before the first empty one) names no content type, so that a mail
// program reads the Shift_JIS body as such. A header line already there is not repeated.
std::string MailExportText(std::string_view text);

struct MailExportResult
{
    std::string path; // the file written; empty on failure
    int error = 0;    // the system's error number on failure
};

// Writes MailExportText(text) to a new file in folder (created when missing), named with
// seconds and the first counter from 0 whose name is not taken, up to 65535 tries; never over
// an existing file. Two exports within one second thus get distinct names.
MailExportResult ExportMailText(const std::string &folder, uint64_t seconds, std::string_view text);

} // namespace views
