// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/value_format_notice.h"

#include <utility>

namespace quillix {
namespace {

std::function<void()>& Handler() {
    static std::function<void()> handler;
    return handler;
}

}  // namespace

void SetValueFormatChangedHandler(std::function<void()> handler) {
    Handler() = std::move(handler);
}

void AnnounceValueFormatChanged() {
    if (const std::function<void()> handler = Handler()) handler();
}

}  // namespace quillix
