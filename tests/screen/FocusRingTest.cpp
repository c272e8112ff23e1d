// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screen/FocusRing.h"
#include "screen/PictureButton.h"

#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

using namespace orbeta;

namespace {

// A name field, a row of three choices and two buttons, as on the setup screen.
struct Screen {
    QWidget form;
    QLineEdit* name = new QLineEdit(&form);
    PictureButton* choice[3] = {new PictureButton(&form), new PictureButton(&form), new PictureButton(&form)};
    PictureButton* go = new PictureButton(&form);
    PictureButton* back = new PictureButton(&form);
    FocusRing ring;

    Screen()
    {
        ring.add(name);
        ring.addGroup({choice[0], choice[1], choice[2]});
        ring.add(go);
        ring.add(back);
    }
};

} // namespace

// Tab visits a group once, at its marked member, skips what is hidden or
// disabled and goes round; from outside the ring it starts at either end.
TEST(FocusRing, TabGoesRoundSkippingWhatCannotTakeTheFocus)
{
    Screen s;
    EXPECT_EQ(s.ring.first(), s.name);
    EXPECT_EQ(s.ring.next(s.name, true), s.choice[0]);
    s.choice[1]->setMarked(true);
    EXPECT_EQ(s.ring.next(s.name, true), s.choice[1]);
    EXPECT_EQ(s.ring.next(s.go, false), s.choice[1]);
    EXPECT_EQ(s.ring.next(s.choice[2], true), s.go);

    s.go->hide();
    EXPECT_EQ(s.ring.next(s.choice[1], true), s.back);
    EXPECT_EQ(s.ring.next(s.back, true), s.name);
    s.back->setEnabled(false);
    EXPECT_EQ(s.ring.next(s.choice[1], true), s.name);
    EXPECT_EQ(s.ring.next(nullptr, false), s.choice[1]);
    EXPECT_EQ(s.ring.next(&s.form, true), s.name);
}

// The arrows stay inside a group, round its shown members; a marked member
// that is hidden does not catch the focus.
TEST(FocusRing, ArrowsGoRoundTheShownMembersOfAGroup)
{
    Screen s;
    EXPECT_EQ(s.ring.within(s.choice[0], 1), s.choice[1]);
    EXPECT_EQ(s.ring.within(s.choice[0], -1), s.choice[2]);
    s.choice[1]->hide();
    EXPECT_EQ(s.ring.within(s.choice[0], 1), s.choice[2]);
    EXPECT_EQ(s.ring.within(s.choice[2], 1), s.choice[0]);
    s.choice[1]->setMarked(true);
    EXPECT_EQ(s.ring.entry(s.choice[2]), s.choice[0]);
    EXPECT_EQ(s.ring.within(s.name, 1), nullptr);

    for (PictureButton* c : s.choice)
        c->hide();
    EXPECT_EQ(s.ring.entry(s.choice[0]), nullptr);
    EXPECT_EQ(s.ring.next(s.name, true), s.go);
}
