// The dialogs the layout editor's document and view open, as requests to the user interface
// (tembra::DialogRequest): each carries the data in and out; the editor's window picks its dialog
// by Name(), and tests answer them with a script. A request the window has no dialog for is
// answered with Cancel.
#pragma once

#include "layout_editor/core/BaseInputAreaNameData.h"
#include "layout_editor/core/GridSetData.h"
#include "layout_editor/core/InitSetData.h"
#include "layout_editor/core/InputAreaNameData.h"
#include "layout_editor/core/SizeSetData.h"
#include "platform/Ui.h"

#include <filesystem>
#include <string>

namespace marquell {

class CPHeadMojiData;

// The file dialog of the open and save commands: path comes in as the proposal and goes out as
// the chosen file (UTF-8); a proposal without a folder opens in the layout folder.
class PromptFileNameRequest : public tembra::DialogRequest {
public:
    const char* Name() const override { return "PromptFileName"; }
    std::string path;
    UINT titleId = 0;
    bool open = false;
    std::filesystem::path layoutFolder;
};

// The format-name dialog: the layout's name (CP932) in and out.
class LayoutFormatNameRequest : public tembra::DialogRequest {
public:
    const char* Name() const override { return "LayoutFormatName"; }
    std::string name;
};

// The size settings dialog; in temporary-edit mode the paper cannot be changed.
class SizeSetRequest : public tembra::DialogRequest {
public:
    SizeSetRequest(CSizeSetData values, bool temporary)
        : data(std::move(values)), temporaryEdit(temporary) {}
    const char* Name() const override { return "SizeSet"; }
    CSizeSetData data;
    bool temporaryEdit;
};

// The grid dialog.
class GridSetRequest : public tembra::DialogRequest {
public:
    const char* Name() const override { return "GridSet"; }
    CGridSetData data;
};

// The fixed-text dialog: edits the element's text in place on OK.
class FixedTextRequest : public tembra::DialogRequest {
public:
    explicit FixedTextRequest(CPHeadMojiData& text) : element(text) {}
    const char* Name() const override { return "FixedText"; }
    CPHeadMojiData& element;
};

// The initial-settings dialog, in its stored or running-program form.
class InitSetRequest : public tembra::DialogRequest {
public:
    explicit InitSetRequest(int form) : data(form) {}
    const char* Name() const override { return "InitSet"; }
    CInitSetData data;
};

// The input-area name dialog: on OK (data.Check() passed) data.Apply() has named the area in
// place.
class InputAreaNameRequest : public tembra::DialogRequest {
public:
    explicit InputAreaNameRequest(CInputAreaNameData values) : data(std::move(values)) {}
    const char* Name() const override { return "InputAreaName"; }
    CInputAreaNameData data;
};

// The base input-area names dialog: the list as saved comes in; on OK it was stored.
class BaseInputAreaNamesRequest : public tembra::DialogRequest {
public:
    BaseInputAreaNamesRequest() { data.Load(); }
    const char* Name() const override { return "BaseInputAreaNames"; }
    CBaseInputAreaNameData data;
};

} // namespace marquell
