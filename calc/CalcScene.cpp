#include "calc/CalcScene.h"

#include <QPainter>

namespace orbeta {

bool CalcScene::available(CalcTask)
{
    return false;
}

SceneLayout CalcScene::layout(const CalcExample&)
{
    return {};
}

void CalcScene::draw(QPainter&, const CalcExample&, const ExperimentScene&, const CalcMap&) {}

} // namespace orbeta
