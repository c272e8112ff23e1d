// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "optics/FrmZobr.h"

#include "files/ResourcePath.h"
#include "frame/ResultsLink.h"
#include "look/basics/Layout.h"
#include "look/screens/OpticsPainter.h"
#include "look/basics/Palette.h"
#include "look/basics/PictureNames.h"
#include "optics/ConstructionPainter.h"
#include "optics/OpticsPicture.h"
#include "optics/OpticsTaskFile.h"
#include "optics/RayFeedback.h"
#include "optics/RaySpeech.h"
#include "screen/Blits.h"
#include "screen/Form.h"
#include "screen/HelpScreens.h"
#include "screen/PictureButton.h"
#include "screen/ScreenHost.h"
#include "screen/Tour.h"
#include "services/Resources.h"
#include "services/Services.h"
#include "tasks/TaskTable.h"

#include <QLabel>
#include <QPainter>

#include <algorithm>

namespace orbeta {
namespace {

// The hint window stands this far from the form's top left.
constexpr QPoint kHintOffset{215, 89};

QFont pixelFont(const QFont& base, int pixels, bool bold = false)
{
    QFont font = base;
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

} // namespace

std::unique_ptr<FrmZobr> FrmZobr::open(Services& services, ResultsLink& results, const SeriesSetup& setup,
                                       OpticsTask task, const SeriesRandom& random,
                                       std::optional<std::uint64_t> seed, QWidget* returnForm, QWidget* parent)
{
    std::unique_ptr<FrmZobr> form(new FrmZobr(services, results, setup, task, random(seed), returnForm, parent));
    if (!form->loadScenes() || !form->beginSeries())
        return nullptr;
    return form;
}

FrmZobr::FrmZobr(Services& services, ResultsLink& results, const SeriesSetup& setup, OpticsTask task,
                 ExampleRandom random, QWidget* returnForm, QWidget* parent)
    : TaskFrame(QStringLiteral("frm_Zobr"), services, results, opticsTaskCode(task), setup, returnForm, parent,
                {.newTip = QStringLiteral("Nový príklad (F6)"),
                 .progress = Layout::kCalcProgress,
                 .continueButton = Layout::kOpticsContinue,
                 .marks = 1,
                 .markSize = Layout::kOpticsMark.size(),
                 .markTip = QStringLiteral("Klikni a uvidíš správne riešenie.")})
    , m_task(task)
    , m_random(std::move(random))
{
    buildControls();
}

OpticsTaskFile::PictureCheck FrmZobr::pictureCheck(const QString& resourceDir)
{
    return [resourceDir](const QString& bitmapName) {
        return OpticsTaskFile::pictureOf(
            ResourcePath::exists(resourceDir, QStringLiteral("Bitmap\\Games\\") + bitmapName),
            OpticsPainter::concaveMirror(bitmapName));
    };
}

bool FrmZobr::loadScenes()
{
    FileResult<OpticsGenerator> generator =
        OpticsTaskFile::read(m_task, m_services.resources().installation().dataDir,
                             pictureCheck(m_services.resources().installation().resourceDir));
    if (!generator) {
        m_services.showMessage(QStringLiteral("Chyba"), generator.error().message(), MessageIcon::Critical);
        return false;
    }
    m_generator.emplace(std::move(generator.value()));
    return true;
}

void FrmZobr::buildControls()
{
    setPicture(m_services.resources().picture(PictureNames::opticsBackground()));
    const QImage title = m_services.resources().image(PictureNames::taskPicture(m_code));
    BlitTransparent(persistentImage(), 0, 0, title.width(), title.height(), title, 0, 0, Palette::transparent());

    Pic = new OpticsPicture(this);
    Pic->setGeometry(Layout::kOpticsPicture);
    Pic->setToolTip(QStringLiteral("Lúč začni v bode, kde červený lúč dopadá; bez myši: Tab, šípky, Enter"));
    connect(Pic, &OpticsPicture::pressed, this, &FrmZobr::picturePressed);
    connect(Pic, &OpticsPicture::moved, this, &FrmZobr::pictureMoved);
    connect(Pic, &OpticsPicture::released, this, &FrmZobr::pictureReleased);
    connect(Pic, &OpticsPicture::keyPressed, this, &FrmZobr::pictureKey);
    Pic->setAccessibleName(QStringLiteral("Kreslenie lúčov"));
    Pic->setAccessibleDescription(QStringLiteral("Tab vyberie lúč, šípky ho otáčajú, Enter ho nakreslí, Delete zmaže."));

    LblZadani = new QLabel(this);
    LblZadani->setGeometry(Layout::kOpticsAssignment);
    LblZadani->setWordWrap(true);
    LblZadani->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    NormaliseControls(*this);
    LblZadani->setFont(pixelFont(LblZadani->font(), 12));
}

bool FrmZobr::GenerateExample()
{
    const FileResult<OpticsExample> generated = m_generator->GenerateExample(m_random());
    if (!generated) {
        m_services.showMessage(QStringLiteral("Chyba"), generated.error().message(), MessageIcon::Critical);
        return false;
    }
    m_example = generated.value();
    m_drawing = RayDrawing(m_example, OpticsGenerator::kArea);
    m_aim.reset();
    m_aimRay = 0;
    const QImage scene = m_services.resources().image(m_example.pictureName);
    m_scenePicture = SpriteFromPicture(scene, scene.rect(), Palette::transparent());
    LblZadani->setText(m_services.resources().tables().assignments.at(std::size_t(std::clamp(m_example.assignmentLine, 0, 70))));
    Pic->setScene(&m_example, &m_drawing, m_scenePicture);
    return true;
}

bool FrmZobr::buildExample()
{
    const bool made = GenerateExample();
    refreshPicture();
    return made;
}

bool FrmZobr::busy() const
{
    return m_drawing.drawing();
}

bool FrmZobr::drawingAllowed() const
{
    return answering();
}

void FrmZobr::refreshPicture()
{
    Pic->setChosenStart(m_aim ? std::optional<QPoint>(m_aim->start()) : std::nullopt);
    Pic->setRubberBand(m_aim ? std::optional<QLine>(QLine(m_aim->start(), m_aim->end())) : std::nullopt);
    // The drawing in words: the focus stands on it while the pupil draws.
    const QString said = RaySpeech::describe(
        m_drawing, m_aim ? std::optional<QLine>(QLine(m_aim->start(), m_aim->end())) : std::nullopt, m_aimRay);
    if (Pic->accessibleDescription() != said)
        Pic->setAccessibleDescription(said);
}

void FrmZobr::picturePressed(QPoint at, Qt::MouseButton button)
{
    if (button != Qt::LeftButton || !drawingAllowed())
        return;
    m_aim.reset();
    m_drawing.press(at);
    Pic->setChosenStart(std::nullopt);
    Pic->setRubberBand(std::nullopt);
}

void FrmZobr::pictureMoved(QPoint at, Qt::MouseButtons buttons)
{
    if (ScreenHost* host = ScreenHost::of(this))
        host->setHoverId(kHoverPicture);
    if (!drawingAllowed()) {
        showPointer(Pic, m_services.resources().arrowCursor());
        return;
    }
    const bool left = buttons.testFlag(Qt::LeftButton);
    const QPoint end = m_drawing.move(at, left);
    if (!left) {
        showPointer(Pic, m_drawing.startAllowed() ? QCursor(Qt::CrossCursor) : m_services.resources().arrowCursor());
        return;
    }
    if (m_drawing.drawing())
        Pic->setRubberBand(QLine(m_drawing.drawStart(), end));
}

void FrmZobr::pictureReleased(QPoint at, Qt::MouseButton button)
{
    Pic->setRubberBand(std::nullopt);
    if (!drawingAllowed())
        return;
    m_drawing.release(at, button == Qt::LeftButton);
    Pic->update();
    refreshPicture();
}

void FrmZobr::pictureKey(int key, Qt::KeyboardModifiers modifiers)
{
    // Tab goes through the given rays' starts and then on to the toolbar,
    // Shift+Tab back before the first.
    const bool tab = key == Qt::Key_Tab || key == Qt::Key_Backtab;
    const int rays = 2;
    if (tab && (!drawingAllowed() || (key == Qt::Key_Tab && m_aimRay == rays) || (key == Qt::Key_Backtab && m_aimRay <= 1))) {
        m_aim.reset();
        m_aimRay = 0;
        refreshPicture();
        focusNextPrevChild(key == Qt::Key_Tab);
        return;
    }
    if (!drawingAllowed())
        return;
    const bool fine = modifiers.testFlag(Qt::ShiftModifier);
    switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab: {
        // The given rays' starts in turn.
        m_aimRay = key == Qt::Key_Tab ? m_aimRay % rays + 1 : (m_aimRay + rays - 2) % rays + 1;
        const QPoint start = m_example.rayPoints[std::size_t(m_aimRay)][0];
        m_aim = KeyboardRay(start, 2 * start - m_example.objectTop);
        break;
    }
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down:
        if (m_aim)
            m_aim->turn(key == Qt::Key_Right || key == Qt::Key_Down, fine);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_aim) {
            PlayClickSound(m_services);
            m_drawing.setStartAllowed(true);
            m_drawing.press(m_aim->start());
            m_drawing.release(m_aim->end());
            m_aim.reset();
        }
        break;
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        if (m_aim) {
            m_drawing.setStartAllowed(false);
            m_drawing.press(m_aim->start());
        }
        break;
    default:
        return;
    }
    refreshPicture();
}

std::vector<QWidget*> FrmZobr::focusOrder() const
{
    return {Pic};
}

bool FrmZobr::cancelStep()
{
    if (!m_aim)
        return false;
    m_aim.reset();
    refreshPicture();
    return true;
}

std::vector<bool> FrmZobr::judgeExample()
{
    m_aim.reset();
    refreshPicture();
    m_lastRight = m_drawing.evaluate();
    return {m_lastRight};
}

QRect FrmZobr::markRect(int) const
{
    return Layout::kOpticsMark;
}

QString FrmZobr::feedback() const
{
    const std::vector<RayFault> faults = RayFeedback::faults(m_drawing);
    return faults.empty() ? QString() : RayFeedback::text(faults.front(), m_example);
}

void FrmZobr::showSolution(int, QPoint)
{
    HintWindow& window = hint(HintBubble::OpticsPicture);
    window.setObjectName(QStringLiteral("frm_Chybovy"));
    // The construction scaled into the upper part of the picture box, the feedback below.
    const QRect box = Layout::kOpticsHintPicture;
    QPixmap picture(box.size());
    picture.fill(Qt::white);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const double scale = double(box.width()) / OpticsGenerator::kArea.width();
    const int sceneHeight = int(OpticsGenerator::kArea.height() * scale);
    p.save();
    p.scale(scale, scale);
    p.setClipRect(QRect(QPoint(0, 0), OpticsGenerator::kArea));
    // The letters as tall on the hint as on the drawing area.
    ConstructionPainter::drawScene(p, m_example, m_scenePicture, int(OpticsPainter::kLetterPixels / scale));
    ConstructionPainter::drawCorrect(p, m_example);
    ConstructionPainter::drawPupil(p, m_drawing, true);
    p.restore();
    p.setPen(Palette::panelEdge());
    p.drawLine(0, sceneHeight + 1, box.width(), sceneHeight + 1);
    const QRect text(6, sceneHeight + 10, box.width() - 12, box.height() - sceneHeight - 14);
    p.setPen(Palette::ink());
    p.setFont(pixelFont(font(), 15, true));
    p.drawText(text, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, feedback());
    p.setFont(pixelFont(font(), 13));
    const QString legend = QStringLiteral("Červené: správna konštrukcia a obraz. Čierne: tvoje správne lúče, fialové: "
                                          "tvoje chybné lúče. Zelený: tvoj obraz.");
    p.drawText(text, Qt::AlignLeft | Qt::AlignBottom | Qt::TextWordWrap, legend);
    window.setAccessibleDescription(feedback() + QLatin1Char(' ') + legend);
    p.end();
    window.showPicture(picture);
    showHint(window, kHintOffset);
}

void FrmZobr::addTourStates(Tour& tour, Services& services, ResultsLink& results, const SeriesRandom& random)
{
    enum class Step { Load, Drawing, Keyboard, TwoRays, WrongRay, WrongSide, Right, Wrong, Solution, OneRay };
    // Where a concave mirror's object stands: anywhere, beyond C, between C and F, inside F.
    enum class Region { Any, BeyondC, BetweenCAndF, InsideF };
    struct State {
        OpticsTask task;
        int slot;
        Step step;
        const char* name;
        Region region = Region::Any;
    };
    static const State states[] = {
        {OpticsTask::Mirror, 1, Step::Load, "4a-concave-1"},
        {OpticsTask::Mirror, 2, Step::Load, "4a-concave-2"},
        {OpticsTask::Mirror, 3, Step::Load, "4a-concave-3"},
        {OpticsTask::Mirror, 4, Step::Load, "4a-convex-4"},
        {OpticsTask::Mirror, 5, Step::Load, "4a-convex-5"},
        {OpticsTask::Mirror, 6, Step::Load, "4a-convex-6"},
        {OpticsTask::Lens, 1, Step::Load, "4b-converging"},
        {OpticsTask::Lens, 2, Step::Load, "4b-diverging"},
        {OpticsTask::Mirror, 1, Step::Drawing, "4a-ray-being-drawn"},
        {OpticsTask::Mirror, 2, Step::Keyboard, "4a-ray-aimed-with-keys"},
        {OpticsTask::Mirror, 1, Step::TwoRays, "4a-concave-two-rays"},
        {OpticsTask::Mirror, 2, Step::TwoRays, "4a-concave-beyond-c", Region::BeyondC},
        {OpticsTask::Mirror, 2, Step::TwoRays, "4a-concave-between-c-and-f", Region::BetweenCAndF},
        {OpticsTask::Mirror, 2, Step::TwoRays, "4a-concave-inside-f", Region::InsideF},
        {OpticsTask::Mirror, 1, Step::WrongSide, "4a-ray-behind-mirror-solution", Region::BetweenCAndF},
        {OpticsTask::Lens, 1, Step::WrongSide, "4b-ray-back-through-lens-solution"},
        {OpticsTask::Mirror, 3, Step::Solution, "4a-concave-virtual-solution", Region::InsideF},
        {OpticsTask::Mirror, 5, Step::TwoRays, "4a-convex-two-rays"},
        {OpticsTask::Lens, 1, Step::TwoRays, "4b-converging-two-rays"},
        {OpticsTask::Lens, 2, Step::TwoRays, "4b-diverging-two-rays"},
        {OpticsTask::Mirror, 3, Step::WrongRay, "4a-wrong-ray"},
        {OpticsTask::Mirror, 1, Step::Right, "4a-check-right"},
        {OpticsTask::Mirror, 3, Step::Wrong, "4a-check-wrong"},
        {OpticsTask::Mirror, 3, Step::Solution, "4a-solution-feedback"},
        {OpticsTask::Mirror, 6, Step::Solution, "4a-convex-solution-feedback"},
        {OpticsTask::Lens, 2, Step::OneRay, "4b-solution-one-ray"},
        {OpticsTask::Lens, 1, Step::Solution, "4b-solution-feedback"},
    };
    // The pupil's stroke, through the same handlers as the mouse.
    auto stroke = [](FrmZobr* form, QPoint from, QPoint to) {
        form->pictureMoved(from, Qt::NoButton);
        form->picturePressed(from, Qt::LeftButton);
        form->pictureMoved(to, Qt::LeftButton);
        form->pictureReleased(to, Qt::LeftButton);
    };
    for (const State& state : states) {
        tour.add(QStringLiteral("frm_Zobr"), QString::fromLatin1(state.name),
                 [state, stroke, random, &services, &results](ScreenHost& host) {
            if (QWidget* previous = host.findForm(QStringLiteral("frm_Zobr")))
                host.unloadForm(previous);
            SeriesSetup setup;
            setup.taskCode = opticsTaskCode(state.task);
            setup.exampleCount = 5;
            std::unique_ptr<FrmZobr> opened;
            auto region = [](const OpticsExample& e) {
                const int x = e.objectBase.x();
                return x < e.centre.x() ? Region::BeyondC : x < e.focus.x() ? Region::BetweenCAndF : Region::InsideF;
            };
            // The first seed whose first example stands on the slot (and in the region).
            for (std::uint64_t seed = 1; seed < 400; ++seed) {
                opened = open(services, results, setup, state.task, random, seed, nullptr, host.stage());
                if (!opened
                    || (opened->example().sceneIndex == state.slot
                        && (state.region == Region::Any || region(opened->example()) == state.region)))
                    break;
            }
            if (!opened)
                return;
            FrmZobr* form = opened.release();
            host.showForm(form);
            const RayDrawing& d = form->m_drawing;
            const OpticsExample& e = form->m_example;
            switch (state.step) {
            case Step::Load:
                return;
            case Step::Drawing:
                form->pictureMoved(e.rayPoints[1][0], Qt::NoButton);
                form->picturePressed(e.rayPoints[1][0], Qt::LeftButton);
                form->pictureMoved(d.correctEnd(1, 110) + QPoint(0, 14), Qt::LeftButton);
                return;
            case Step::Keyboard:
                stroke(form, e.rayPoints[1][0], d.correctEnd(1, 120));
                form->pictureKey(Qt::Key_Tab, Qt::NoModifier);
                form->pictureKey(Qt::Key_Tab, Qt::NoModifier);
                for (int i = 0; i < 5; ++i)
                    form->pictureKey(Qt::Key_Right, Qt::NoModifier);
                return;
            case Step::OneRay:
                stroke(form, e.rayPoints[1][0], d.correctEnd(1, 120));
                break;
            case Step::WrongRay:
            case Step::Wrong:
            case Step::Solution:
                // Ray 1 sent straight back instead of through F (or on, unbent, through the lens).
                stroke(form, e.rayPoints[1][0],
                       e.rayPoints[1][0] + QPoint(e.task == OpticsTask::Mirror ? -140 : 140, 0));
                stroke(form, e.rayPoints[2][0], d.correctEnd(2, 120));
                break;
            case Step::WrongSide:
                // Ray 1 on its right line, but behind the mirror or back before the lens.
                stroke(form, e.rayPoints[1][0], d.correctEnd(1, -120));
                stroke(form, e.rayPoints[2][0], d.correctEnd(2, 120));
                break;
            case Step::TwoRays:
            case Step::Right:
                stroke(form, e.rayPoints[1][0], d.correctEnd(1, 120));
                stroke(form, e.rayPoints[2][0], d.correctEnd(2, 120));
                break;
            }
            if (state.step == Step::TwoRays || state.step == Step::WrongRay)
                return;
            form->check();
            form->animate(services.tickCount() + 10000);
            if (state.step == Step::Solution || state.step == Step::OneRay || state.step == Step::WrongSide)
                form->pressMark(1, Layout::kOpticsMark.center());
        });
    }
    for (OpticsTask task : {OpticsTask::Mirror, OpticsTask::Lens}) {
        const QString code = opticsTaskCode(task);
        tour.add(QStringLiteral("frm_Zobr"), code + QStringLiteral("-help"), [code, task, random, &services, &results](ScreenHost& host) {
            if (QWidget* previous = host.findForm(QStringLiteral("frm_Zobr")))
                host.unloadForm(previous);
            SeriesSetup setup;
            setup.taskCode = code;
            setup.exampleCount = 5;
            std::unique_ptr<FrmZobr> opened = open(services, results, setup, task, random, 1, nullptr, host.stage());
            if (!opened)
                return;
            FrmZobr* form = opened.release();
            host.showForm(form);
            ShowHelpPicture(services, &host, PictureNames::taskHelp(code), form);
        });
    }
}

} // namespace orbeta
