// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/help_request.h"

#include <utility>

namespace quillix {
namespace {

THelpTopicHandler& Handler() {
    static THelpTopicHandler handler;
    return handler;
}

}  // namespace

void SetHelpTopicHandler(THelpTopicHandler handler) {
    Handler() = std::move(handler);
}

void ShowHelpTopic(int context) {
    // A copy: the handler may replace itself while it runs.
    if (const THelpTopicHandler handler = Handler()) handler(context);
}

}  // namespace quillix
