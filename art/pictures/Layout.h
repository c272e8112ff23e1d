#pragma once

#include <QRect>

// Where the forms place the controls that show these pictures, in design
// pixels of the 640 × 480 screens. The backgrounds leave these places free;
// art/README.md lists the same numbers for the forms.
namespace Layout {

// Main menu.
constexpr QRect kTopicButton1{24, 88, 208, 54}; // topic t at top + 61 × (t − 1)
constexpr int kTopicStep = 61;
constexpr QRect kTaskButton1{256, 88, 360, 56}; // the next one directly below
constexpr QRect kEndButton{496, 424, 120, 44};
constexpr QRect kMenuHelp{256, 424, 200, 44}; // drawn on the background

// Setup screen.
constexpr QPoint kTopicPicture{0, 83};
constexpr QSize kTopicPictureSize{238, 80};
constexpr QPoint kHeading15{86, 297};
constexpr QPoint kHeading6{86, 240};
constexpr QSize kHeadingSize15{238, 80}; // title in the lower 46 rows
constexpr QSize kHeadingSize6{238, 48};
constexpr int kHeading15TextTop = 34;
constexpr QPoint kArrow{107, 299};
constexpr QSize kArrowSize{513, 30};
constexpr QRect kCountButton1{340, 232, 52, 44}; // button i at left + 56 × (i − 1)
constexpr int kCountStep = 56;
constexpr int kNameLeft15 = 419;
constexpr int kNameLeft6 = 329;
constexpr QRect kNameField15{419, 120, 200, 28};
constexpr QRect kNameField6{329, 120, 290, 28};
constexpr QRect kPrintButton{318, 404, 150, 48};
constexpr QRect kContinueButton{476, 404, 150, 48};
constexpr QRect kSetupBack{16, 412, 120, 44};
constexpr QRect kSetupHelp{148, 412, 150, 44}; // drawn on the background
constexpr int kStripFrames = 23;

// Task forms.
constexpr QSize kTitlePicture{238, 80}; // at (0, 0), transparent
constexpr QRect kTopButton1{324, 14, 76, 52}; // four edge to edge
constexpr int kHeaderHeight = 84;

// Results form.
constexpr QRect kResultsBack{504, 18, 120, 44};
constexpr int kRowTop = 165;
constexpr int kRowStep = 30;

} // namespace Layout
