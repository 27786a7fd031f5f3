// The hyperlink commands of events (属性 > 行事 > ハイパーリンク) and terms (属性 > 用語), listed
// in the tables of those menus.
#pragma once

#include "platform/CmdUI.h"

namespace tembra {

class CTembraDoc;

// Insert (dialog 415 titled 5160), edit (5161) and open; the target is the one selected event
// (event mode) or the one selected process's only term, when that term is selected (term mode).
// Insert is enabled without a link, edit and open with one.
void OnEventLinkInsert(CTembraDoc& doc);
void OnEventLinkEdit(CTembraDoc& doc);
void OnEventLinkOpen(CTembraDoc& doc);
void OnUpdateEventLinkInsert(CTembraDoc& doc, CCmdUI* cmdUI);
void OnUpdateEventLinkEdit(CTembraDoc& doc, CCmdUI* cmdUI);
void OnYogoLinkInsert(CTembraDoc& doc);
void OnYogoLinkEdit(CTembraDoc& doc);
void OnYogoLinkOpen(CTembraDoc& doc);
void OnUpdateYogoLinkInsert(CTembraDoc& doc, CCmdUI* cmdUI);
void OnUpdateYogoLinkEdit(CTembraDoc& doc, CCmdUI* cmdUI);

} // namespace tembra
