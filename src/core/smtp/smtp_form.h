#pragma once

#include <optional>

#include "core/l10n/smtp_texts.h"
#include "core/smtp/smtp_file.h"

// The checks the e-mail dialog runs before it writes smtp.dat.
namespace corvane {

// Takes the values a file would be written with (in Auto mode the network texts already taken from the
// preset); returns the message of the first failed check, or nothing when all pass. In order: Manual mode
// access point name shorter than 2 bytes; SMTP server shorter than 2; port shorter than 2; sender address
// shorter than 2, without "@", without "."; sender password shorter than 2; the same three address checks
// for the recipient; 8620 only, a phone number of 1 to 4 bytes; a remote control other than "Off" with a
// phone number shorter than 5 bytes. Lengths are in bytes.
std::optional<SmtpMessage> CheckSmtpForm(const SmtpFileValues& values);

}  // namespace corvane
