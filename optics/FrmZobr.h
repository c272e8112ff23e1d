// SPDX-FileCopyrightText: 2026 Orbeta Tarovia developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "frame/TaskFrame.h"
#include "optics/KeyboardRay.h"
#include "optics/OpticsExample.h"
#include "optics/OpticsGenerator.h"
#include "optics/OpticsTaskFile.h"
#include "optics/RayDrawing.h"

#include <QImage>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class QLabel;

namespace orbeta {

class OpticsPicture;
class ResultsLink;
class Services;
class Tour;

// The randomness of one example, and of a series: example k of a series
// with a fixed seed S draws from S + k, without one from the clock. The
// program injects its seeded source.
using ExampleRandom = std::function<OpticsRnd()>;
using SeriesRandom = std::function<ExampleRandom(std::optional<std::uint64_t> seed)>;

// The optics form frm_Zobr: a series of ray constructions for a mirror
// ("4a") or a lens ("4b"). The rules live in optics/; the form maps the
// mouse and the keys onto the pupil's drawing and paints.
class FrmZobr : public TaskFrame {
    Q_OBJECT
public:
    // The loaded form, not yet shown; null with a message when a scene file
    // cannot be read or gives no example. `returnForm` is the setup form.
    static std::unique_ptr<FrmZobr> open(Services& services, ResultsLink& results, const SeriesSetup& setup,
                                         OpticsTask task, const SeriesRandom& random, std::optional<std::uint64_t> seed,
                                         QWidget* returnForm, QWidget* parent = nullptr);

    // Each mirror and lens after generation, a ray being drawn, two right
    // rays with the image, a wrong ray, the evaluation right and wrong, the
    // correct construction with the feedback, and the help pictures.
    static void addTourStates(Tour& tour, Services& services, ResultsLink& results, const SeriesRandom& random);
    // What the mirror pictures of the resource directory draw: the check
    // the form reads its scenes with, and start-up too.
    static OpticsTaskFile::PictureCheck pictureCheck(const QString& resourceDir);

    const OpticsExample& example() const { return m_example; }
    const RayDrawing& drawing() const { return m_drawing; }
    OpticsPicture* picture() const { return Pic; }
    bool lastCheckRight() const { return m_lastRight; }
    // The one line the hint window shows about the pupil's faults.
    QString feedback() const;

protected:
    bool buildExample() override;
    std::vector<bool> judgeExample() override;
    void showSolution(int item, QPoint at) override;
    QRect markRect(int item) const override;
    bool busy() const override;
    std::vector<QWidget*> focusOrder() const override;
    bool cancelStep() override;

private:
    FrmZobr(Services& services, ResultsLink& results, const SeriesSetup& setup, OpticsTask task, ExampleRandom random,
            QWidget* returnForm, QWidget* parent);

    bool loadScenes();
    void buildControls();
    bool GenerateExample();
    void picturePressed(QPoint at, Qt::MouseButton button);
    void pictureMoved(QPoint at, Qt::MouseButtons buttons);
    void pictureReleased(QPoint at, Qt::MouseButton button);
    void pictureKey(int key, Qt::KeyboardModifiers modifiers);
    bool drawingAllowed() const;
    void refreshPicture();

    OpticsTask m_task;
    ExampleRandom m_random;
    std::optional<OpticsGenerator> m_generator;

    OpticsExample m_example;
    RayDrawing m_drawing;
    QImage m_scenePicture;
    std::optional<KeyboardRay> m_aim;
    int m_aimRay = 0;
    bool m_lastRight = false;

    QLabel* LblZadani = nullptr;
    OpticsPicture* Pic = nullptr;
};

} // namespace orbeta
