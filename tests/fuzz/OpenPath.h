// The whole open path of a file as the program runs it: the document's open (its lock, the
// stream its name picks, the reading into a document of its own), Save As to a chart and, for a
// document of the DOS version, to a DOS document, and the open of what was saved.
//
// Besides what the sanitizers see, it checks: an open that refuses the file says why (at least
// one message box); a file that opened saves as a chart that opens again and saves the same
// bytes; a DOS document that the export wrote opens again. Every document is closed as the
// program closes it, so no lock outlives the input.
#pragma once

#include <filesystem>

namespace tembra::fuzz {

// The file's name picks its stream (".tbr", ".phd" with its ".pdt" beside it, ".psv").
void CheckOpenPath(const std::filesystem::path& file);

// A folder of the process's temporary folder for the files of one open path, emptied.
std::filesystem::path OpenPathFolder();

} // namespace tembra::fuzz
