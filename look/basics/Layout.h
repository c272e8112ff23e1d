// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>

#include <array>

// Where the screens place their parts, in design pixels of the 640 × 480
// screens. The pictures are drawn for these places and the forms put their
// controls there; art/README.md lists the same numbers.
namespace orbeta::Layout {

constexpr QSize kScreen{640, 480};

// Main menu.
constexpr QRect kTopicButton1{24, 88, 208, 54}; // topic t at top + 61 × (t − 1)
constexpr int kTopicStep = 61;
constexpr QRect kTaskButton1{256, 88, 360, 56}; // the next one directly below
constexpr QRect kEndButton{496, 424, 120, 44};
constexpr QRect kMenuHelp{256, 424, 200, 44}; // drawn on the background

// Task and topic pictures, and the menu's hidden box they are copied through.
constexpr QSize kTitlePicture{238, 80}; // at (0, 0) on task forms and the results form, transparent
constexpr QSize kScratchSize = kTitlePicture;

// Setup screen.
constexpr QPoint kTopicPicture{0, 83};
constexpr QSize kTopicPictureSize = kTitlePicture;
constexpr QPoint kHeading15{86, 297};
constexpr QPoint kHeading6{86, 240};
constexpr QSize kHeadingSize15{238, 80}; // title in the lower 46 rows
constexpr QSize kHeadingSize6{238, 48};
constexpr int kHeading15TextTop = 34;
constexpr QPoint kArrow{107, 299};
constexpr QSize kArrowSize{513, 30};
constexpr QRect kCountButton1{340, 232, 52, 44}; // button i at left + 56 × (i − 1)
constexpr int kCountStep = 56;
constexpr QRect kNameField15{419, 120, 200, 28};
constexpr QRect kNameField6{329, 120, 290, 28};
constexpr QRect kPrintButton{318, 404, 150, 48};
constexpr QRect kContinueButton{476, 404, 150, 48};
constexpr QRect kSetupBack{16, 412, 120, 44};
constexpr QRect kSetupHelp{148, 412, 150, 44}; // drawn on the background
constexpr int kStripFrames = 23;

// Task forms.
constexpr QRect kTopButton1{324, 14, 76, 52}; // four edge to edge
constexpr int kHeaderHeight = 84;

// Calculation form. The assignment across the top of the panel; the scene
// on the right with the experiment button, the mark and the continue button
// below it; the calculator and notes on the left above the table, which is
// drawn from kTableBlue down (the notes reach down instead when there is no
// table).
constexpr QRect kCalcProgress{242, 18, 78, 48};
constexpr QRect kCalcAssignment{14, 92, 612, 60};
constexpr QRect kCalcScene{318, 156, 312, 252};
constexpr QRect kCalculatorInput{14, 160, 148, 28};
constexpr QRect kCalculatorKey1{164, 160, 28, 28}; // keys 2 to 5 edge to edge to its right
constexpr int kCalculatorKeys = 5;
constexpr QRect kCalcNotes{14, 192, 296, 66};
constexpr QRect kCalcNotesTall{14, 192, 296, 276};
constexpr QRect kExperimentButton{318, 418, 104, 48};
constexpr QRect kCheckMark{428, 416, 48, 52};
constexpr QRect kCalcContinue{480, 418, 150, 48};
constexpr QSize kAnswerBox{58, 24};
constexpr QSize kTimeBox{30, 24};
constexpr int kCalcContinueFrames = 22;
constexpr int kCalcContinueFrameMs = 20;

// The table backdrop of the calculation form: the blue ground, the heading
// strip, one body strip per row and the closing strip; the labels of row r
// (0 the headings) stand on them.
constexpr QPoint kTableBlue{10, 265};
constexpr QSize kTableBlueSize{300, 220}; // drawn 15 rows shorter
constexpr int kTableBlueCut = 15;
constexpr QPoint kTableTop{10, 273};
constexpr QSize kTableTopSize{300, 22};
constexpr int kTableBodyTop = 295; // row i at kTableBodyTop + kTableRowStep × (i − 1)
constexpr int kTableRowStep = 16;
constexpr QSize kTableBodySize{300, 16};
constexpr QSize kTableBottomSize{300, 8};
constexpr int kTableLabelHeight = 14; // rows one label height plus 2 apart
// The three label columns (name, first and second value), left and width.
constexpr std::array<int, 3> kTableColumnLeft{18, 146, 226};
constexpr std::array<int, 3> kTableColumnWidth{126, 76, 78};

// Optics form: the drawing area `Pic` (the scene pictures are drawn at its
// size), the assignment, the mark and the continue button below it, and the
// picture box of the hint window that shows the correct construction.
constexpr QRect kOpticsPicture{10, 90, 620, 340};
constexpr QRect kOpticsAssignment{14, 430, 404, 50};
constexpr QRect kOpticsMark{424, 428, 48, 52};
constexpr QRect kOpticsContinue{480, 430, 150, 48};
constexpr QRect kOpticsHintPicture{21, 13, 361, 343};
constexpr int kOpticsAxisY = 170;
constexpr int kOpticsAxisStartX = 20;

// Results form: the back button and ten rows of five columns.
constexpr QRect kResultsBack{504, 18, 120, 44};
constexpr int kRowTop = 165;
constexpr int kRowStep = 30;
constexpr int kRowHeight = 24;
constexpr std::array<int, 5> kColumnLeft{32, 91, 376, 464, 544};
constexpr std::array<int, 5> kColumnWidth{56, 275, 80, 72, 80};

// The bubbles of the hint window, Hint01 to Hint06; the window takes their size.
// Hint04 and Hint06 stand in their own row of "6c" and "6a", their tail on the
// row's mark: one row high, and Hint04 no wider than the room left of the first mark.
constexpr std::array<QSize, 6> kHintBubble{
    QSize{214, 28}, QSize{212, 48}, QSize{403, 369}, QSize{392, 28}, QSize{214, 28}, QSize{300, 28}};

// History forms. Pairs ("6a"): row r (1 to 10) at top kPairRowTop + kPairRowStep × r;
// the left label, the resting place of the right box and the mark of row 1, each
// lower by kPairRowStep for the next row.
constexpr int kPairRows = 10;
constexpr int kPairRowTop = 93;
constexpr int kPairRowStep = 32;
constexpr QRect kPairLeft1{20, 125, 298, 20};
constexpr QRect kPairBox1{326, 125, 258, 20};
constexpr QRect kPairMark1{592, 121, 28, 28};
constexpr QRect kHistoryProgress{242, 18, 78, 48};
constexpr QRect kPairContinue{436, 432, 150, 48}; // left of row 10's mark

// Timelines ("6b", "6c"): five positions. Persons: slots with the life spans
// under them along the time axis, the names' boxes below.
constexpr int kTimelinePositions = 5;
constexpr QRect kPersonSlot1{10, 100, 120, 44}; // slot p at left + kPersonStep × (p − 1)
constexpr int kPersonStep = 125;
constexpr int kPersonSpanTop = 146;
constexpr int kPersonSpanHeight = 20;
constexpr int kPersonAxisY = 184;
constexpr QRect kPersonMark1{56, 170, 28, 28};
constexpr QRect kPersonBox1{127, 212, 386, 30}; // box i at top + kPersonBoxStep × (i − 1)
constexpr int kPersonBoxStep = 42;
// Discoveries: the years along the axis, box p hanging under year p.
constexpr int kEventAxisY = 130;
constexpr QRect kEventYear1{24, 100, 48, 24};  // year p centred over the tick of box p
constexpr QRect kEventBox1{24, 150, 362, 30};  // box p at left + kEventBoxStepX × (p − 1), top + kEventBoxStepY × (p − 1)
constexpr int kEventBoxStepX = 52; // the years a dozen pixels apart, the mark of box 5 inside the panel
constexpr int kEventBoxStepY = 52;
constexpr int kEventTickOffset = 24;           // the tick of box p: its left + this
constexpr QRect kEventMark1{392, 151, 28, 28}; // right of box p, moving with it
static_assert(kHintBubble[3].width() <= kEventMark1.left(), "the bubble of box 1 stands left of its mark");
constexpr QRect kTimelineContinue{476, 424, 150, 48};

} // namespace orbeta::Layout
