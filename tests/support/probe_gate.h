// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/volumes.h"

#include <atomic>
#include <chrono>
#include <future>
#include <memory>

// A drive probe that does not answer until its gate opens, counting its calls: a drive on a dead
// mount, for as long as a test wants one. The probe threads share the gate and the count, so both
// may outlive the test that made them; the gate opens at the latest when it goes.
class Probe_Gate
{
public:
    Volumes::Drive_Probe Probe(bool answer = true) const
    {
        return [opened = opened_, calls = calls_, answer](const QString &) {
            ++*calls;
            opened.wait();
            return answer;
        };
    }
    void Open()
    {
        if (opened_.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
            opening_.set_value();
    }
    int Calls() const { return *calls_; }
    ~Probe_Gate() { Open(); }

private:
    std::promise<void> opening_;
    std::shared_future<void> opened_ = opening_.get_future().share();
    std::shared_ptr<std::atomic<int>> calls_ = std::make_shared<std::atomic<int>>(0);
};
