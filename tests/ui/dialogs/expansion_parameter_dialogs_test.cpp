#include "ui/dialogs/expansion_parameter_dialogs.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/number_text.h"
#include "support/dialog_script.h"
#include "support/memory_dialog_backend.h"
#include "support/test_names.h"
#include "ui/dialogs/dialog_session.h"

namespace zentrix::ui {
namespace {

using ::testing::ElementsAre;

// ---- Pyramid (frustum) ----

using Pyramid = PyramidControls;

TEST(PyramidDialog, NewModelOpensEmptyAndKeepsTypedValuesAfterCancel) {
  zentrix::testing::RunModel m;
  m.base.dofPerNode = 2;
  MemoryDialogHost host;
  testing_support::playNextOpening(
      host, Pyramid::kTemplate,
      [](MemoryDialog& d) {
        EXPECT_EQ(d.text(Pyramid::kShrinkRatioEdit), "");
        EXPECT_EQ(d.text(Pyramid::kVertexFootEdit), "");
        EXPECT_EQ(d.text(Pyramid::kHint), "Separators: space(s); comma.");
        d.userType(Pyramid::kShrinkRatioEdit, "0.6");
        d.userType(Pyramid::kVertexFootEdit, "1.5,2");
      },
      kCancelButton);
  Session session = testing::sessionOf(m);
  runPyramidDialog(m, session, host);
  EXPECT_FLOAT_EQ(m.expansion.pyramidShrinkRatio, 0.6f);
  EXPECT_EQ(session.vertexFootText, "1.5,2");
  EXPECT_EQ(m.expansion.vertexFoot, (std::array<float, 3>{1.5f, 2.0f, 0.0f}));
  EXPECT_TRUE(host.messages().empty());
}

struct RatioCase {
  const char* typed;
  float stored;
};

class PyramidRatioText : public ::testing::TestWithParam<RatioCase> {};

TEST_P(PyramidRatioText, IsReadAsTheLeadingNumber) {
  zentrix::testing::RunModel m;
  m.base.dofPerNode = 3;
  Session session = testing::sessionOf(m);
  session.vertexFootText = "0 0 0";
  m.expansion.pyramidShrinkRatio = 9;
  MemoryDialogHost host;
  testing_support::playNextOpening(host, Pyramid::kTemplate, [](MemoryDialog& d) {
    d.userType(Pyramid::kShrinkRatioEdit, GetParam().typed);
  });
  runPyramidDialog(m, session, host);
  EXPECT_FLOAT_EQ(m.expansion.pyramidShrinkRatio, GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(Cases, PyramidRatioText,
                         ::testing::Values(RatioCase{"0.75", 0.75f}, RatioCase{"  .5x", 0.5f},
                                           RatioCase{"abc", 0.0f}, RatioCase{"", 0.0f},
                                           RatioCase{"-2e1", -20.0f},
                                           // Only the first 20 characters count.
                                           RatioCase{"                   7", 7.0f},
                                           RatioCase{"                    7", 0.0f}),
                         ::zentrix::testing::nameFrom(&RatioCase::typed));

struct FootCase {
  int dofPerNode;
  const char* previousText;  // vertexFootText before opening
  const char* typed;         // nullptr: the user does not touch the box
  std::array<float, 3> foot;
  bool wrong;
};

class PyramidFootText : public ::testing::TestWithParam<FootCase> {};

TEST_P(PyramidFootText, IsReadAfterTheDialogCloses) {
  const auto& c = GetParam();
  zentrix::testing::RunModel m;
  m.base.dofPerNode = c.dofPerNode;
  m.expansion.vertexFoot = {7, 8, 9};
  Session session = testing::sessionOf(m);
  session.vertexFootText = c.previousText;
  MemoryDialogHost host;
  testing_support::playNextOpening(host, Pyramid::kTemplate, [&](MemoryDialog& d) {
    if (c.typed != nullptr) d.userType(Pyramid::kVertexFootEdit, c.typed);
  });
  runPyramidDialog(m, session, host);
  EXPECT_EQ(m.expansion.vertexFoot, c.foot);
  if (c.wrong) {
    ASSERT_EQ(host.messages().size(), 1u);
    EXPECT_EQ(host.messages()[0].text, "Wrong Foot Coordinates String.");
    EXPECT_EQ(host.messages()[0].title, "Dialog4 Message");
    EXPECT_EQ(host.messages()[0].icon, MessageIcon::Error);
  } else {
    EXPECT_TRUE(host.messages().empty());
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, PyramidFootText,
                         ::testing::Values(FootCase{2, "", "1.5,2", {1.5f, 2, 9}, false},
                                           FootCase{2, "", "1.5   2", {1.5f, 2, 9}, false},
                                           FootCase{3, "", "1 2 3", {1, 2, 3}, false},
                                           FootCase{3, "", "3*4", {4, 4, 4}, false},
                                           FootCase{3, "", "1,,3", {1, 8, 3}, false},
                                           // Untouched: the text kept from before is read again.
                                           FootCase{2, "5 6", nullptr, {5, 6, 9}, false},
                                           FootCase{2, "", nullptr, {7, 8, 9}, true},
                                           FootCase{2, "", "1.5", {1.5f, 8, 9}, true},
                                           FootCase{3, "", "1 2 z", {1, 2, 9}, true},
                                           FootCase{2, "", "a b", {7, 8, 9}, true}),
                         [](const ::testing::TestParamInfo<FootCase>& foot) {
                           return std::to_string(foot.param.dofPerNode) + "d_from_" +
                                  ::zentrix::testing::spelledName(foot.param.previousText) +
                                  "_typed_" +
                                  (foot.param.typed == nullptr
                                       ? std::string("nothing")
                                       : ::zentrix::testing::spelledName(foot.param.typed));
                         });

TEST(PyramidDialog, RomanianFootMessage) {
  zentrix::testing::RunModel m;
  m.base.dofPerNode = 2;
  m.romanian = true;
  MemoryDialogHost host;
  Session session = testing::sessionOf(m);
  runPyramidDialog(m, session, host);  // closes at once with an empty foot text
  ASSERT_EQ(host.messages().size(), 1u);
  EXPECT_EQ(host.messages()[0].text, "Sir eronat pentru coordonatele piciorului.");
}

TEST(PyramidDialog, AfterALoadShowsAndStoresTheModelValues) {
  zentrix::testing::RunModel m;
  m.oldFileLoaded = true;
  m.expansion.pyramidShrinkRatio = 0.625f;
  m.expansion.vertexFoot = {1.5f, 2.0f, -30.25f};
  for (const int dof : {3, 2}) {
    m.base.dofPerNode = dof;
    MemoryDialogHost host;
    testing_support::playNextOpening(host, Pyramid::kTemplate, [&](MemoryDialog& d) {
      EXPECT_EQ(d.text(Pyramid::kShrinkRatioEdit), "0.625");
      EXPECT_EQ(d.text(Pyramid::kVertexFootEdit), dof == 3 ? "1.5  2.  -30.25" : "1.5  2.");
    });
    Session session = testing::sessionOf(m);
    runPyramidDialog(m, session, host);
    EXPECT_EQ(session.vertexFootText, dof == 3 ? "1.5  2.  -30.25" : "1.5  2.");
    EXPECT_EQ(m.expansion.vertexFoot, (std::array<float, 3>{1.5f, 2.0f, -30.25f}));
    EXPECT_TRUE(host.messages().empty());
  }
}

// ---- One-direction shrink ----

using Shrink = ShrinkControls;

struct DirectionCase {
  int dofPerNode;
  int directionIndex;
  std::vector<std::string> entries;
};

class ShrinkDirections : public ::testing::TestWithParam<DirectionCase> {};

TEST_P(ShrinkDirections, OffersTheOtherAxesAndStoresTheChosenLetter) {
  const auto& c = GetParam();
  zentrix::testing::RunModel m;
  m.base.dofPerNode = c.dofPerNode;
  m.expansion.expansionDirection = model::axisLetter(c.directionIndex);
  MemoryDialogHost host;
  for (int entry = 1; entry <= 2; ++entry) {
    testing_support::playNextOpening(host, Shrink::kTemplate, [&](MemoryDialog& d) {
      EXPECT_EQ(testing_support::entryTexts(d, Shrink::kDirectionList), c.entries);
      EXPECT_EQ(d.selection(Shrink::kDirectionList), 0);
      d.userChoose(Shrink::kDirectionList, entry);
    });
    Session session = testing::sessionOf(m);
    runShrinkDialog(m, session, host);
    const std::string& letter = c.entries[static_cast<std::size_t>(entry - 1)];
    EXPECT_EQ(m.expansion.shrinkDirection, letter.empty() ? ' ' : letter[0]);
    EXPECT_EQ(m.expansion.shrinkDirectionIndex(), letter.empty() ? 0 : letter[0] - 'X' + 1);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ShrinkDirections,
    ::testing::Values(DirectionCase{2, 1, {"Y", ""}}, DirectionCase{2, 2, {"X", ""}},
                      DirectionCase{3, 1, {"Y", "Z"}}, DirectionCase{3, 2, {"X", "Z"}},
                      DirectionCase{3, 3, {"X", "Y"}}, DirectionCase{2, 3, {"X", "Y"}}),
    [](const ::testing::TestParamInfo<DirectionCase>& direction) {
      return std::to_string(direction.param.dofPerNode) + "d_direction" +
             std::to_string(direction.param.directionIndex);
    });

TEST(ShrinkDialog, RatioTypedIsKeptAfterCancelAndNewModelOpensEmpty) {
  zentrix::testing::RunModel m;
  m.base.dofPerNode = 3;
  m.expansion.expansionDirection = 'X';
  m.expansion.shrinkRatio = 0.5f;
  m.expansion.shrinkDirection = 'Z';
  MemoryDialogHost host;
  testing_support::playNextOpening(
      host, Shrink::kTemplate,
      [](MemoryDialog& d) {
        EXPECT_EQ(d.text(Shrink::kShrinkRatioEdit), "");
        d.userType(Shrink::kShrinkRatioEdit, "0.8 ");
      },
      kCancelButton);
  Session session = testing::sessionOf(m);
  runShrinkDialog(m, session, host);
  EXPECT_FLOAT_EQ(m.expansion.shrinkRatio, 0.8f);
  EXPECT_EQ(m.expansion.shrinkDirection, 'Z');
}

TEST(ShrinkDialog, AfterALoadSelectsTheLoadedDirectionAndShowsTheRatio) {
  struct Case {
    int directionIndex;
    char shrinkDirection;
    int entry;
  };
  for (const Case c : {Case{1, 'Y', 1}, Case{1, 'z', 2}, Case{2, 'X', 1}, Case{2, 'Z', 2},
                       Case{3, 'X', 1}, Case{3, 'Y', 2}, Case{3, 'Q', 0}}) {
    zentrix::testing::RunModel m;
    m.oldFileLoaded = true;
    m.base.dofPerNode = 3;
    m.expansion.expansionDirection = model::axisLetter(c.directionIndex);
    m.expansion.shrinkDirection = c.shrinkDirection;
    m.expansion.shrinkRatio = 1234567.0f;
    MemoryDialogHost host;
    testing_support::playNextOpening(host, Shrink::kTemplate, [&](MemoryDialog& d) {
      EXPECT_EQ(d.selection(Shrink::kDirectionList), c.entry) << c.shrinkDirection;
      EXPECT_EQ(d.text(Shrink::kShrinkRatioEdit), "1234567.");
    });
    Session session = testing::sessionOf(m);
    runShrinkDialog(m, session, host);
    EXPECT_EQ(m.expansion.shrinkDirectionIndex(),
              c.entry == 0 ? 0 : model::axisNumber(c.shrinkDirection));
  }
}

// ---- Arch ----

using Arch = ArchControls;

TEST(ArchDialog, NewModelOpensBlankWithCircularAndKeepsTypedValuesAfterCancel) {
  zentrix::testing::RunModel m;
  m.expansion.archKind = model::kParabolicArch;
  m.expansion.halfSpan = 10;
  Session session = testing::sessionOf(m);
  session.halfSpanText = "10";
  MemoryDialogHost host;
  testing_support::playNextOpening(
      host, Arch::kTemplate,
      [](MemoryDialog& d) {
        EXPECT_THAT(testing_support::entryTexts(d, Arch::kKindList),
                    ElementsAre("Circular", "Parabolic"));
        EXPECT_EQ(d.text(Arch::kHalfSpanEdit), "");
        EXPECT_EQ(d.text(Arch::kHeightEdit), "");
        EXPECT_EQ(d.selection(Arch::kKindList), 1);
        d.userType(Arch::kHalfSpanEdit, "25.5");
        d.userType(Arch::kHeightEdit, "6,2");
        d.userChoose(Arch::kKindList, 2);
      },
      kCancelButton);

  runArchDialog(m, session, host);
  EXPECT_FLOAT_EQ(m.expansion.halfSpan, 25.5f);
  EXPECT_FLOAT_EQ(m.expansion.archHeight, 6.0f);
  EXPECT_EQ(m.expansion.archKind, model::kParabolicArch);
}

TEST(ArchDialog, NewModelResetsTheKindToCircular) {
  zentrix::testing::RunModel m;
  m.expansion.archKind = model::kParabolicArch;
  MemoryDialogHost host;
  Session session = testing::sessionOf(m);
  runArchDialog(m, session, host);
  EXPECT_EQ(m.expansion.archKind, model::kCircularArch);
}

TEST(ArchDialog, AfterLoadingAnArchShowsItsValuesInFourDigits) {
  zentrix::testing::RunModel m;
  m.oldFileLoaded = true;
  m.expansion.halfSpan = 1234.5678f;
  m.expansion.archHeight = 3.25f;
  m.expansion.archKind = model::kParabolicArch;
  MemoryDialogHost host;
  testing_support::playNextOpening(host, Arch::kTemplate, [](MemoryDialog& d) {
    EXPECT_EQ(d.text(Arch::kHalfSpanEdit), "1235.");
    EXPECT_EQ(d.text(Arch::kHeightEdit), "3.25");
    EXPECT_EQ(d.selection(Arch::kKindList), 2);
  });
  Session session = testing::sessionOf(m);
  session.loadedExpansionType = model::kArch;
  runArchDialog(m, session, host);
  // Showing does not change the values: only typing does.
  EXPECT_FLOAT_EQ(m.expansion.halfSpan, 1234.5678f);
}

TEST(ArchDialog, AfterLoadingAnotherTypeShowsTheTextsTypedBefore) {
  zentrix::testing::RunModel m;
  MemoryDialogHost host;
  testing_support::playNextOpening(host, Arch::kTemplate, [](MemoryDialog& d) {
    d.userType(Arch::kHalfSpanEdit, "12.50");
    d.userType(Arch::kHeightEdit, "4");
  });
  Session session = testing::sessionOf(m);
  runArchDialog(m, session, host);

  session.oldFileLoaded = true;
  session.loadedExpansionType = model::kPrismatic;
  testing_support::playNextOpening(host, Arch::kTemplate, [](MemoryDialog& d) {
    EXPECT_EQ(d.text(Arch::kHalfSpanEdit), "12.50");
    EXPECT_EQ(d.text(Arch::kHeightEdit), "4");
    EXPECT_EQ(d.selection(Arch::kKindList), 1);
  });
  runArchDialog(m, session, host);
}

}  // namespace
}  // namespace zentrix::ui
