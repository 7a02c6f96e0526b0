#include "FloodFill.h"

#include <algorithm>
#include <array>

namespace cashvane {

FloodFill::FloodFill(const PixelCanvas& canvas)
    : canvas_(canvas)
    , visits_(static_cast<std::size_t>(canvas.width()) * static_cast<std::size_t>(canvas.height()), 0)
{
}

bool FloodFill::find(QPoint seed, const std::function<bool(QPoint)>& mayReach)
{
    if (++fillNumber_ == 0) {
        std::fill(visits_.begin(), visits_.end(), std::uint8_t{0});
        fillNumber_ = 1;
    }
    found_.clear();
    pending_.clear();
    if (!canvas_.contains(seed.x(), seed.y()) || canvas_.isBlack(seed.x(), seed.y()))
        return true;

    constexpr std::array<QPoint, 4> kNeighbours = {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)};
    pending_.push_back(seed);
    visit(seed) = fillNumber_;
    while (!pending_.empty()) {
        const QPoint p = pending_.back();
        pending_.pop_back();
        if (!mayReach(p)) {
            found_.clear();
            return false;
        }
        found_.push_back(p);
        for (const QPoint step : kNeighbours) {
            const QPoint next = p + step;
            if (!canvas_.contains(next.x(), next.y()) || visit(next) == fillNumber_ || canvas_.isBlack(next.x(), next.y()))
                continue;
            visit(next) = fillNumber_;
            pending_.push_back(next);
        }
    }
    return true;
}

} // namespace cashvane
