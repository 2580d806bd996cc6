#pragma once
// A recording fake of the pointer warp (platform/desktop/pointerwarp.h): each
// MoveTo target is kept, the real pointer never moves.  Installs itself for
// its lifetime.
//
//   tqtest::FakePointerWarper warps;  ...  EXPECT_EQ(warps.targets.size(), 1u);

#include "platform/desktop/pointerwarp.h"

#include <QPoint>

#include <vector>

namespace tqtest {

class FakePointerWarper final : public platform::PointerWarper {
public:
    FakePointerWarper() { platform::setPointerWarper(this); }
    ~FakePointerWarper() override { platform::setPointerWarper(nullptr); }
    FakePointerWarper(const FakePointerWarper&) = delete;
    FakePointerWarper& operator=(const FakePointerWarper&) = delete;

    void MoveTo(QPoint global) override { targets.push_back(global); }
    std::vector<QPoint> targets;
};

}  // namespace tqtest
