#include "model/OperationState.h"

#include "model/ConfigBase.h"
#include "model/ConfigOperation.h"
#include "platform/StringTable.h"
#include "platform/Ui.h"

#include <array>

namespace tembra {

namespace {

// Which drawing tools a guide applies to (it matters only when drawing shapes).
enum class Tool { Any, Polyline, Arc, Other };

Tool ToolClass(LONG toolCode) {
    switch (toolCode) {
    case 1:
    case 2:
        return Tool::Polyline;
    case 7:
    case 8:
        return Tool::Arc;
    default:
        return Tool::Other;
    }
}

constexpr int kAnyState = -1;
constexpr LONG kNoOp = -1;

struct GuideRule {
    LONG mode;
    std::array<LONG, 3> operations; // kNoOp pads
    Tool tool;
    int state; // kAnyState: every sub-state
    UINT id;
};

using O = std::array<LONG, 3>;
constexpr O Ops(LONG a, LONG b = kNoOp, LONG c = kNoOp) {
    return O{a, b, c};
}

constexpr GuideRule kGuideRules[] = {
    // Item table.
    {0, Ops(0), Tool::Any, kAnyState, 1051},
    {0, Ops(1), Tool::Any, 0, 1052},
    {0, Ops(1), Tool::Any, 2, 1053},
    {0, Ops(2), Tool::Any, 1, 1057},
    {0, Ops(3), Tool::Any, 1, 1055},
    // Processes.
    {1, Ops(0), Tool::Any, 0, 1013},
    {1, Ops(0), Tool::Any, 2, 1014},
    {1, Ops(0), Tool::Any, 4, 1050},
    {1, Ops(1), Tool::Any, 0, 1015},
    {1, Ops(1), Tool::Any, 2, 1016},
    {1, Ops(2, 4), Tool::Any, 0, 1011},
    {1, Ops(2, 4), Tool::Any, 2, 1012},
    {1, Ops(3, 5, 10), Tool::Any, 0, 1018},
    {1, Ops(3, 5, 10), Tool::Any, 2, 1019},
    {1, Ops(6), Tool::Any, 0, 1010},
    {1, Ops(6), Tool::Any, 2, 1016},
    {1, Ops(7), Tool::Any, 0, 1017},
    {1, Ops(7), Tool::Any, 2, 1016},
    // Terms.
    {2, Ops(0), Tool::Any, 0, 1027},
    {2, Ops(0), Tool::Any, 2, 1028},
    {2, Ops(1, 6, 7), Tool::Any, 0, 1029},
    {2, Ops(1, 6, 7), Tool::Any, 2, 1028},
    {2, Ops(1, 6, 7), Tool::Any, 4, 1030},
    {2, Ops(2), Tool::Any, 0, 1026},
    {2, Ops(2), Tool::Any, 2, 1028},
    {2, Ops(3), Tool::Any, 0, 1032},
    {2, Ops(3), Tool::Any, 2, 1028},
    // Progress lines.
    {3, Ops(0), Tool::Any, 0, 1022},
    {3, Ops(0), Tool::Any, 2, 1023},
    {3, Ops(1), Tool::Any, 0, 1024},
    // Shapes.
    {4, Ops(0), Tool::Polyline, 0, 1033},
    {4, Ops(0), Tool::Polyline, 2, 1046},
    {4, Ops(0), Tool::Arc, 0, 1047},
    {4, Ops(0), Tool::Arc, 2, 1048},
    {4, Ops(0), Tool::Arc, 4, 1049},
    {4, Ops(0), Tool::Other, 0, 1033},
    {4, Ops(0), Tool::Other, 2, 1034},
    {4, Ops(1), Tool::Any, 0, 1035},
    {4, Ops(1), Tool::Any, 2, 1036},
    {4, Ops(2, 4), Tool::Any, 0, 1038},
    {4, Ops(2, 4), Tool::Any, 2, 1039},
    {4, Ops(3, 5, 10), Tool::Any, 0, 1041},
    {4, Ops(3, 5, 10), Tool::Any, 2, 1042},
    {4, Ops(6), Tool::Any, 0, 1037},
    {4, Ops(6), Tool::Any, 2, 1036},
    {4, Ops(7), Tool::Any, 0, 1040},
    {4, Ops(7), Tool::Any, 2, 1036},
    {4, Ops(8), Tool::Any, 0, 1044},
    {4, Ops(8), Tool::Any, 2, 1045},
    {4, Ops(9), Tool::Any, 0, 1043},
    {4, Ops(9), Tool::Any, 2, 1036},
    // Embedded objects.
    {5, Ops(1), Tool::Any, 0, 1020},
    {5, Ops(1), Tool::Any, 2, 1021},
    // Events.
    {6, Ops(0), Tool::Any, 0, 1003},
    {6, Ops(0), Tool::Any, 2, 1004},
    {6, Ops(1), Tool::Any, 0, 1005},
    {6, Ops(1), Tool::Any, 2, 1006},
    {6, Ops(2), Tool::Any, 0, 1001},
    {6, Ops(2), Tool::Any, 2, 1002},
    {6, Ops(3), Tool::Any, 0, 1008},
    {6, Ops(3), Tool::Any, 2, 1009},
    {6, Ops(6), Tool::Any, 0, 1000},
    {6, Ops(6), Tool::Any, 2, 1006},
    {6, Ops(7), Tool::Any, 0, 1007},
    {6, Ops(7), Tool::Any, 2, 1006},
    // Resources.
    {7, Ops(0), Tool::Any, 0, 1054},
    {7, Ops(1, 6, 7), Tool::Any, 0, 1056},
    {7, Ops(1, 6, 7), Tool::Any, 4, 1058},
    {7, Ops(2), Tool::Any, 0, 1059},
    {7, Ops(3), Tool::Any, 0, 1060},
    // Resource charts.
    {8, Ops(1), Tool::Any, 0, 1061},
    {8, Ops(1), Tool::Any, 4, 1062},
    {8, Ops(1), Tool::Any, 101, 1064},
    {8, Ops(1), Tool::Any, 103, 1065},
};

bool Matches(const GuideRule& rule, LONG mode, LONG operation, WORD state, Tool tool) {
    if (rule.mode != mode) {
        return false;
    }
    if (rule.state != kAnyState && rule.state != static_cast<int>(state)) {
        return false;
    }
    if (rule.tool != Tool::Any && rule.tool != tool) {
        return false;
    }
    for (LONG op : rule.operations) {
        if (op != kNoOp && op == operation) {
            return true;
        }
    }
    return false;
}

} // namespace

UINT COperationState::GuideStringId(LONG mode, LONG operation, WORD state, LONG toolCode) {
    const Tool tool = ToolClass(toolCode);
    for (const GuideRule& rule : kGuideRules) {
        if (Matches(rule, mode, operation, state, tool)) {
            return rule.id;
        }
    }
    return 0;
}

void COperationState::ShowModeGuide() const {
    if (GetGuideMode() == 0) {
        return;
    }
    const UINT id = GuideStringId(m_mode, m_operation, m_state, m_toolCode);
    if (id != 0) {
        Ui().SetStatusText(LoadString(id));
    }
}

void COperationState::InitMode() {
    SetDrawOperation();
    SetProcessMode();
    SetState(0);
    Copy(GetAppConfig()->GetOperation());
}

void COperationState::SetState(WORD state) {
    m_state = state;
    ShowModeGuide();
}

void COperationState::SetMode(LONG mode) {
    if (mode == m_mode) {
        return;
    }
    m_mode = mode;
    m_savedMode = 0;
    m_savedOperation = 0;
    SetState(0);
    Ui().ModeChanged();
}

void COperationState::SetOperation(LONG operation) {
    if (operation == m_operation) {
        return;
    }
    m_operation = operation;
    m_savedOperation = 0;
    SetState(0);
    Ui().ModeChanged();
}

void COperationState::SetDrawOperation() {
    SetOperation(kOpDraw);
    if (m_mode == kModeObject) {
        SetMode(kModeKoutei);
    }
}

void COperationState::ChangeMode(LONG mode) {
    if (mode == m_mode) {
        return;
    }
    m_mode = mode;
    Ui().ModeChanged();
}

void COperationState::ChangeOperation(LONG operation) {
    m_operation = operation;
    Ui().ModeChanged();
}

void COperationState::RestoreOperation() {
    if (m_savedOperation == 0) {
        return;
    }
    // Saved as the operation plus one, so that the draw operation (0) can be saved too.
    const LONG operation = m_savedOperation - 1;
    m_savedOperation = 0;
    SetOperation(operation);
}

void COperationState::RestoreMode() {
    if (m_savedMode == 0) {
        return;
    }
    m_mode = m_savedMode - 1;
    m_savedMode = 0;
    RestoreOperation();
    Ui().ModeChanged();
}

} // namespace tembra
