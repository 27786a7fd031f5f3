#include "model/Undo.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace tembra {
namespace {

// Objects that report their deletion, so that a test sees every object deleted exactly once.
struct Registry {
    std::set<int> live;
    std::map<int, int> deletions;
};

class Counted : public CObject {
public:
    Counted(Registry& registry, int id) : m_registry(registry), m_id(id) {
        m_registry.live.insert(id);
    }
    ~Counted() override {
        m_registry.live.erase(m_id);
        ++m_registry.deletions[m_id];
    }
    int Id() const { return m_id; }

private:
    Registry& m_registry;
    int m_id;
};

int IdOf(const CObject* object) {
    return object != nullptr ? static_cast<const Counted*>(object)->Id() : 0;
}

// A document with one owning list, restoring changes the way the chart document does: the found
// object leaves the list (to the record), the replacement takes its place or is appended.
class ListDocument : public CUndoHistory {
public:
    explicit ListDocument(Registry& registry) : m_registry(registry) {}

    int UndoRestor(CObject* found, CObject* replacement, CObject* info) override {
        m_calls.push_back({IdOf(found), IdOf(replacement)});
        if (info != nullptr) {
            ++m_infoRestores;
        }
        if (found == nullptr) {
            if (replacement != nullptr) {
                m_list.emplace_back(replacement);
            }
            return 1;
        }
        const auto it = Find(found);
        if (it == m_list.end()) {
            return 0; // not in the list: refused, nothing exchanged
        }
        static_cast<void>(it->release());
        if (replacement != nullptr) {
            it->reset(replacement);
        } else {
            m_list.erase(it);
        }
        return 1;
    }

    // The editing operations of a document, each recording what it did.
    Counted* Add(int id) {
        auto* object = new Counted(m_registry, id);
        m_list.emplace_back(object);
        EXPECT_EQ(AddNew(object), 1);
        return object;
    }
    void Remove(int id) {
        const auto it = Find(id);
        CObject* object = it->release();
        m_list.erase(it);
        EXPECT_EQ(AddDelete(object), 1);
    }
    void Replace(int id, int newId) {
        const auto it = Find(id);
        CObject* old = it->release();
        auto* replacement = new Counted(m_registry, newId);
        it->reset(replacement);
        EXPECT_EQ(AddChange(old, replacement), 1);
    }

    std::vector<int> Ids() const {
        std::vector<int> ids;
        for (const auto& object : m_list) {
            ids.push_back(IdOf(object.get()));
        }
        return ids;
    }
    // Every object alive is either in the list or the old object of exactly one record.
    void ExpectEachObjectOwnedOnce() const {
        const std::vector<int> listed = Ids();
        std::multiset<int> owned(listed.begin(), listed.end());
        for (const auto* list : {&GetUndoList(), &GetRedoList()}) {
            for (const auto& record : *list) {
                if (record.GetOld() != nullptr) {
                    owned.insert(IdOf(record.GetOld()));
                }
            }
        }
        EXPECT_EQ(std::set<int>(owned.begin(), owned.end()), m_registry.live);
        EXPECT_EQ(owned.size(), m_registry.live.size()) << "an object has two owners";
    }

    struct Call {
        int found;
        int replacement;
        bool operator==(const Call&) const = default;
    };
    std::vector<Call> m_calls;
    int m_infoRestores = 0;

private:
    std::vector<std::unique_ptr<CObject>>::iterator Find(const CObject* object) {
        return std::find_if(m_list.begin(), m_list.end(),
                            [object](const auto& p) { return p.get() == object; });
    }
    std::vector<std::unique_ptr<CObject>>::iterator Find(int id) {
        return std::find_if(m_list.begin(), m_list.end(),
                            [id](const auto& p) { return IdOf(p.get()) == id; });
    }

    Registry& m_registry;
    std::vector<std::unique_ptr<CObject>> m_list;
};

void ExpectEachDeletedOnce(const Registry& registry, std::set<int> ids) {
    EXPECT_TRUE(registry.live.empty());
    for (int id : ids) {
        EXPECT_EQ(registry.deletions.count(id) ? registry.deletions.at(id) : 0, 1) << id;
    }
}

TEST(UndoHistoryTest, UndoRestoresNewestFirstAndRedoReappliesInOrder) {
    Registry registry;
    {
        ListDocument doc(registry);
        doc.BeginGroup();
        for (int id : {1, 2, 3}) {
            doc.Add(id);
        }
        doc.EndGroup();
        doc.Reset();
        doc.Replace(1, 11);
        doc.Replace(2, 12);
        doc.Replace(3, 13);
        EXPECT_TRUE(doc.CanUndo());
        EXPECT_FALSE(doc.CanRedo());

        EXPECT_EQ(doc.Undo(), 1);
        EXPECT_EQ(doc.Ids(), (std::vector<int>{1, 2, 3}));
        using Call = ListDocument::Call;
        EXPECT_EQ(doc.m_calls, (std::vector<Call>{{13, 3}, {12, 2}, {11, 1}}));
        EXPECT_FALSE(doc.CanUndo());
        EXPECT_TRUE(doc.CanRedo());
        doc.ExpectEachObjectOwnedOnce();

        doc.m_calls.clear();
        EXPECT_EQ(doc.Redo(), 1);
        EXPECT_EQ(doc.Ids(), (std::vector<int>{11, 12, 13}));
        EXPECT_EQ(doc.m_calls, (std::vector<Call>{{1, 11}, {2, 12}, {3, 13}}));
        EXPECT_TRUE(doc.CanUndo());
        EXPECT_FALSE(doc.CanRedo());
        doc.ExpectEachObjectOwnedOnce();
    }
    ExpectEachDeletedOnce(registry, {1, 2, 3, 11, 12, 13});
}

TEST(UndoHistoryTest, NoObjectIsDeletedTwiceOrLeakedAcrossUndoRedoAndANewStep) {
    Registry registry;
    {
        ListDocument doc(registry);
        doc.BeginGroup();
        doc.Add(1);
        doc.Add(2);
        doc.EndGroup();

        // One step: an addition, a removal and a replacement.
        doc.Reset();
        doc.Add(3);
        doc.Remove(1);
        doc.Replace(2, 4);
        EXPECT_EQ(doc.Ids(), (std::vector<int>{4, 3}));
        doc.ExpectEachObjectOwnedOnce();

        doc.Undo();
        EXPECT_EQ(doc.Ids(), (std::vector<int>{2, 1}));
        doc.ExpectEachObjectOwnedOnce();
        doc.Redo();
        EXPECT_EQ(doc.Ids(), (std::vector<int>{4, 3}));
        doc.ExpectEachObjectOwnedOnce();
        doc.Undo();
        doc.ExpectEachObjectOwnedOnce();

        // A new step forgets the undone one: what only the history held goes now.
        doc.Reset();
        EXPECT_EQ(registry.live, (std::set<int>{1, 2}));
        EXPECT_EQ(registry.deletions, (std::map<int, int>{{3, 1}, {4, 1}}));
        doc.Remove(2);
        doc.ExpectEachObjectOwnedOnce();
    }
    ExpectEachDeletedOnce(registry, {1, 2, 3, 4});
}

TEST(UndoHistoryTest, AnOpenGroupKeepsTheRecordsThroughReset) {
    Registry registry;
    ListDocument doc(registry);
    doc.Add(1);
    doc.BeginGroup();
    doc.BeginGroup();
    doc.Reset();
    doc.Add(2);
    EXPECT_EQ(doc.GetUndoList().size(), 2u);
    doc.EndGroup();
    doc.Reset();
    EXPECT_EQ(doc.GetUndoList().size(), 2u) << "one group is still open";
    doc.EndGroup();
    doc.EndGroup(); // unbalanced: must not leave the history suspended for good
    EXPECT_FALSE(doc.IsSuspended());
    doc.Reset();
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_EQ(doc.Ids(), (std::vector<int>{1, 2}));

    // The redo list is kept as well.
    doc.Add(3);
    doc.Undo();
    ASSERT_TRUE(doc.CanRedo());
    doc.BeginGroup();
    doc.Reset();
    EXPECT_TRUE(doc.CanRedo());
    doc.EndGroup();
    doc.Reset();
    EXPECT_FALSE(doc.CanRedo());
}

TEST(UndoHistoryTest, RecordingRefusesWhatCannotBeRecorded) {
    Registry registry;
    {
        ListDocument doc(registry);
        Counted* object = doc.Add(1);
        doc.Reset();
        EXPECT_EQ(doc.AddNew(nullptr), 0);
        EXPECT_EQ(doc.AddDelete(nullptr), 0);
        EXPECT_EQ(doc.AddChange(nullptr, object), 0);
        EXPECT_EQ(doc.AddChange(object, nullptr), 0);
        // One object cannot be both taken out and put in: the record would own a listed object.
        EXPECT_EQ(doc.AddChange(object, object), 0);
        EXPECT_EQ(doc.AddOther(nullptr), 0);
        EXPECT_FALSE(doc.CanUndo());
        doc.Reset();
        EXPECT_EQ(registry.live, (std::set<int>{1}));
    }
    ExpectEachDeletedOnce(registry, {1});
}

TEST(UndoHistoryTest, OtherChangesCarryAnOwnedInfo) {
    Registry registry;
    {
        ListDocument doc(registry);
        auto* info = new CUndoInfo(1, std::make_unique<Counted>(registry, 7));
        EXPECT_EQ(doc.AddOther(info), 1);
        doc.Undo();
        doc.Redo();
        EXPECT_EQ(doc.m_infoRestores, 2);
        ASSERT_EQ(doc.GetUndoList().size(), 1u);
        EXPECT_EQ(doc.GetUndoList()[0].GetInfo(), info);
        EXPECT_EQ(info->GetValue(), 1u);
        EXPECT_EQ(registry.live, (std::set<int>{7}));
        doc.Reset();
        EXPECT_TRUE(registry.live.empty());
    }
    ExpectEachDeletedOnce(registry, {7});
}

TEST(UndoHistoryTest, ARefusedRestoreDropsItsRecord) {
    Registry registry;
    {
        ListDocument doc(registry);
        doc.Add(1);
        doc.Reset();
        doc.Replace(1, 2);
        // A change whose new object the document does not hold.
        auto stray = std::make_unique<Counted>(registry, 3);
        EXPECT_EQ(doc.AddChange(new Counted(registry, 4), stray.get()), 1);

        EXPECT_EQ(doc.Undo(), 0);
        EXPECT_EQ(doc.Ids(), (std::vector<int>{1}));
        EXPECT_EQ(doc.GetRedoList().size(), 1u);
        EXPECT_EQ(registry.deletions.count(4), 1u) << "the old object nobody took";
        EXPECT_EQ(registry.live, (std::set<int>{1, 2, 3}));
        doc.Redo();
        EXPECT_EQ(doc.Ids(), (std::vector<int>{2}));
    }
    ExpectEachDeletedOnce(registry, {1, 2, 3, 4});
}

TEST(UndoHistoryTest, TheHistoryDeletesOldObjectsButNeverNewOnes) {
    Registry registry;
    std::vector<std::unique_ptr<Counted>> held;
    for (int id : {2, 4}) {
        held.push_back(std::make_unique<Counted>(registry, id));
    }
    {
        CUndoHistory history;
        EXPECT_EQ(history.AddDelete(new Counted(registry, 1)), 1);
        EXPECT_EQ(history.AddNew(held[0].get()), 1);
        EXPECT_EQ(history.AddChange(new Counted(registry, 3), held[1].get()), 1);
        // The history on its own restores nothing, so the objects keep their owners.
        EXPECT_EQ(history.Undo(), 1);
        EXPECT_EQ(history.Redo(), 1);
    }
    EXPECT_EQ(registry.live, (std::set<int>{2, 4}));
    held.clear();
    ExpectEachDeletedOnce(registry, {1, 2, 3, 4});
}

// The history does not depend on the chart's records: any element type deleted through its
// pointer serves (the layout editor's elements, for one).
TEST(UndoHistoryTest, WorksForOtherElementTypes) {
    struct Element {
        std::string name;
    };
    class Paper : public UndoHistoryT<Element> {
    public:
        int UndoRestor(Element* found, Element* replacement, Element*) override {
            restored.push_back((found ? found->name : "-") + ">" +
                               (replacement ? replacement->name : "-"));
            return 1;
        }
        std::vector<std::string> restored;
    };
    Paper paper;
    Element kept{"b"};
    paper.AddChange(new Element{"a"}, &kept);
    paper.Undo();
    EXPECT_EQ(paper.restored, (std::vector<std::string>{"b>a"}));
    ASSERT_EQ(paper.GetRedoList().size(), 1u);
    EXPECT_EQ(paper.GetRedoList()[0].GetOld(), &kept);
    paper.Redo();
    EXPECT_EQ(paper.GetUndoList()[0].GetNew(), &kept);
}

// The owner keeps a lookup of its lists only between BeginRestore and EndRestore: every restore of
// an undo or a redo falls inside one such span, and the span is closed however the replay ends.
TEST(UndoHistoryTest, EachUndoAndRedoRestoresInsideOneSpan) {
    struct Element {
        int id;
    };
    class Spans : public UndoHistoryT<Element> {
    public:
        void BeginRestore() override {
            log.push_back("begin");
            open = true;
        }
        void EndRestore() override {
            log.push_back("end");
            open = false;
        }
        int UndoRestor(Element* found, Element*, Element*) override {
            log.push_back(open ? "restore" : "restore outside");
            if (found != nullptr && found->id == throwOn) {
                throw std::runtime_error("restore failed");
            }
            return 1;
        }
        std::vector<std::string> log;
        bool open = false;
        int throwOn = 0;
    };
    Spans spans;
    Element a{1};
    Element b{2};
    spans.AddNew(&a);
    spans.AddNew(&b);
    spans.Undo();
    spans.Redo();
    EXPECT_EQ(spans.log, (std::vector<std::string>{"begin", "restore", "restore", "end", "begin",
                                                   "restore", "restore", "end"}));

    spans.log.clear();
    spans.throwOn = 2;
    EXPECT_THROW(spans.Undo(), std::runtime_error);
    EXPECT_EQ(spans.log, (std::vector<std::string>{"begin", "restore", "end"}));
    EXPECT_FALSE(spans.open);
}

// A step of many changes moves its records a bounded number of times in all: the record list
// grows by doubling, not by one place per record, and keeps its room for the steps after it.
TEST(UndoHistoryTest, ALongStepGrowsTheRecordListByDoublingAndTheNextReusesIt) {
    struct Element {};
    UndoHistoryT<Element> history;
    std::vector<Element> elements(1 << 14);
    std::set<const void*> blocks;
    for (Element& element : elements) {
        ASSERT_EQ(history.AddNew(&element), 1);
        blocks.insert(history.GetUndoList().data());
    }
    EXPECT_LE(blocks.size(), 16u);
    EXPECT_EQ(history.GetUndoList().size(), elements.size());

    // The next step of the same size finds the room the last one left: a large edit repeated
    // asks the system for no memory each time.
    const auto* const room = history.GetUndoList().data();
    history.Reset();
    for (Element& element : elements) {
        ASSERT_EQ(history.AddNew(&element), 1);
    }
    EXPECT_EQ(history.GetUndoList().data(), room);
    // Undo and redo hand the records between the two lists without asking for more either.
    ASSERT_EQ(history.Undo(), 1);
    const auto* const redoRoom = history.GetRedoList().data();
    ASSERT_EQ(history.Redo(), 1);
    ASSERT_EQ(history.Undo(), 1);
    EXPECT_EQ(history.GetRedoList().data(), redoRoom);
    EXPECT_EQ(history.GetRedoList().size(), elements.size());
    ASSERT_EQ(history.Redo(), 1); // the elements are the test's again, not the history's
}

} // namespace
} // namespace tembra
