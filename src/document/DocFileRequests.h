// The dialogs the document's file commands open through the UI services (DialogRequest): the
// program's file dialog, the insert selection (dialog 157 "差し込み選択") and confirmation
// (dialog 291 "差込"), the output layers of inserted objects, and the data information
// (dialog 140 "データ情報").
#pragma once

#include "model/LayerSet.h"
#include "platform/Types.h"
#include "platform/Ui.h"

#include <array>
#include <string>

namespace tembra {

class CTembraDoc;

// The open or save dialog: path in as the proposal (a folder, a file or both), out as the chosen
// file (the file system's bytes). A save dialog's file type sets the application's save version.
// With writeProtected a save dialog refuses the proposal itself (message 5033).
class FileDialogRequest : public DialogRequest {
public:
    // The file types offered: the charts' own, or only the ASCII schedule of the import
    // ("*.asd") or only the safety-management file of the export ("*.akd").
    enum class Filter { Charts, QkrAscii, SafetyAscii };

    const char* Name() const override { return "FileDialog"; }
    std::string path;
    UINT titleId = 0;
    bool open = true;
    bool writeProtected = false;
    Filter filter = Filter::Charts;
};

// Which parts of another chart File > Insert takes: on OK the insert mask (DocFileFormat.h, the
// bits of the check boxes) and whether the user chooses the layer of the inserted objects.
class InsertSelectRequest : public DialogRequest {
public:
    const char* Name() const override { return "InsertSelect"; }
    int mask = 0;
    bool chooseLayer = false;
};

// Before objects are inserted into a calendar-day chart without the file's settings: OK goes on,
// Cancel gives up the insert; adjust (the box "現在の初期設定範囲内に入るように調整する") fits
// the objects into the chart's period and rows, cleared they keep their places.
class InsertConfirmRequest : public DialogRequest {
public:
    const char* Name() const override { return "InsertConfirm"; }
    bool adjust = true;
};

// The layers the inserted objects go to: entry i is the layer of the objects of layer i (in as
// each layer to itself). The dialog shows the counts, states and headings of the receiving
// document; without a document it is answered Cancel.
class OutputLayerRequest : public DialogRequest {
public:
    const char* Name() const override { return "OutputLayer"; }
    std::array<int, CLayerSet::kLayerCount> map{};
    const CTembraDoc* document = nullptr;
};

// What the data information shows.
class DataInfoRequest : public DialogRequest {
public:
    const char* Name() const override { return "DataInfo"; }
    int rows = 0;     // the most rows of an item column
    int objects = 0;  // processes and events, selected or not
    int selected = 0; // of them selected
    int progress = 0; // progress lines
    int shapes = 0;   // drawing shapes
    int embedded = 0; // embedded items
};

} // namespace tembra
