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

// Results form: the back button and ten rows of five columns.
constexpr QRect kResultsBack{504, 18, 120, 44};
constexpr int kRowTop = 165;
constexpr int kRowStep = 30;
constexpr int kRowHeight = 24;
constexpr std::array<int, 5> kColumnLeft{32, 91, 376, 464, 544};
constexpr std::array<int, 5> kColumnWidth{56, 275, 80, 72, 80};

// The bubbles of the hint window, Hint01 to Hint06; the window takes their size.
constexpr std::array<QSize, 6> kHintBubble{
    QSize{214, 28}, QSize{212, 48}, QSize{403, 369}, QSize{476, 37}, QSize{214, 28}, QSize{300, 37}};

} // namespace orbeta::Layout
