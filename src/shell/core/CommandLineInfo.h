// The main program's command line as the framework's standard parser reads it: a document to
// open, the print switches, the shell's DDE start, the OLE switches and unregistration.
//
// On Linux a path starts with "/", so an argument counts as a switch only when it is one of the
// switches below ("/" or "-" followed by the name, any case); anything else is a file name.
#pragma once

#include <string>
#include <vector>

namespace tembra {

class CCommandLineInfo {
public:
    enum Shell { FileNew, FileOpen, FilePrint, FilePrintTo, FileDDE, AppUnregister, FileNothing };

    // Reads the arguments after the program's own name.
    void Parse(const std::vector<std::string>& args);

    Shell m_nShellCommand = FileNew;
    // The document of FileOpen, FilePrint and FilePrintTo.
    std::string m_strFileName;
    // FilePrintTo: the printer, its driver and its port.
    std::string m_strPrinterName;
    std::string m_strDriverName;
    std::string m_strPortName;
    bool m_bRunEmbedded = false;  // "/Embedding"
    bool m_bRunAutomated = false; // "/Automation"
    // No argument at all.
    bool m_bEmpty = true;
};

} // namespace tembra
