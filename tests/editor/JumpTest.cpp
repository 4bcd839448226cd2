// Hyperlinks are numbered as rt::CollectJumps numbers them, table cells
// included, both ways: from a jump id to its item, from a character to
// its jump id.
#include "EditorSupport.h"
#include "richtext/RtBuilders.h"

#include <QTextFrame>
#include <QTextTable>

namespace moxa::editor {
namespace {

using rt::test::Items;
using rt::test::TestImage;

class JumpTest : public test::EditorTest {
 protected:
  // Jumps: 0 "first" (tag 1), 1 "in cell" (tag 2), 2 the hot picture (tag 3).
  void SetUp() override {
    rt::TRtTable table(1, 2);
    table.Cell(0, 1)->Data = Items().P().T("x ").T("in cell", test::kLinkStyle, 2);
    Load(Items()
             .P()
             .T("plain ")
             .T("first", test::kLinkStyle, 1)
             .P()
             .Table(table)
             .P()
             .Hot(TestImage(1), 3));
  }
  QTextTable* Table() {
    for (QTextFrame* frame : editor.TextDocument()->rootFrame()->childFrames()) {
      if (auto* table = qobject_cast<QTextTable*>(frame)) return table;
    }
    return nullptr;
  }
};

TEST_F(JumpTest, JumpIdsFindTheirItems) {
  const std::int32_t tags[] = {1, 2, 3};
  for (int id = 0; id < 3; ++id) {
    SCOPED_TRACE(id);
    const std::optional<RtJumpPoint> point = editor.GetJumpPointLocation(id);
    ASSERT_TRUE(point);
    EXPECT_EQ(point->View.GetItemTag(point->ItemNo), tags[id]);
  }
  EXPECT_TRUE(editor.GetJumpPointLocation(1)->View.Container().Table);
  EXPECT_FALSE(editor.GetJumpPointLocation(3));
  EXPECT_FALSE(editor.GetJumpPointLocation(-1));
}

TEST_F(JumpTest, CharactersGiveTheirJumpIds) {
  EXPECT_FALSE(editor.JumpIdAt(2));  // "plain"
  EXPECT_EQ(editor.JumpIdAt(6), 0);  // "first"
  ASSERT_TRUE(Table());
  const int inCell = Table()->cellAt(0, 1).firstPosition() + 3;
  EXPECT_EQ(editor.JumpIdAt(inCell), 1);
  const int hot = editor.RootEditor().PositionOf(3, 0);
  EXPECT_EQ(editor.JumpIdAt(hot), 2);

  std::vector<int> followed;
  editor.OnJump = [&](int id) { followed.push_back(id); };
  EXPECT_TRUE(editor.FollowJumpAt(hot));
  EXPECT_FALSE(editor.FollowJumpAt(0));
  EXPECT_EQ(followed, std::vector<int>{2});
}

}  // namespace
}  // namespace moxa::editor
