#pragma once

#include "cli/cli_session.h"

#include <string>
#include <vector>

namespace cli {

// Runs cellvane-cli on the arguments after the program name and returns its exit status
// (ExitStatus). Results go to environment.out, errors, questions and the usage text of a wrong
// command line to environment.err, all in UTF-8.
//   models           one line per plug-in: its code as 0x%08X, a tab, its model name
//   load KIND CARD -o FILE
//                    the card's files of the kind merged as the editor's load from card does,
//                    into the PC file FILE when it exists; FILE is then replaced whole. A load
//                    that adds nothing leaves FILE as it was.
//   save FILE CARD   the entries of the PC file FILE written to a new card file on CARD as the
//                    editor's save to card does; its question answered by --yes
//   show FILE        the entries of a PC file or of a card file of the current model, as the
//                    kind's list shows them (see writeListing)
//   export FILE OUT  the entries of a PC file or card file written to OUT in the format its
//                    extension names: .vcf vCard 3.0 (address book), .ics iCalendar (schedule),
//                    .mbox (mail), .html Netscape bookmark file; OUT is replaced whole
int runCli(const std::vector<std::string> &arguments, const CliEnvironment &environment);

} // namespace cli
