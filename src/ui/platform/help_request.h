// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Help requests of the tool windows and dialogs. A window names a topic; the
// main window, which owns the help system, installs the handler that shows it,
// so no window has to find the main window. Without a handler (before the main
// window exists, or in a test) a request does nothing.

#include <functional>

namespace quillix {

using THelpTopicHandler = std::function<void(int context)>;

// Installs the handler; an empty one removes it.
void SetHelpTopicHandler(THelpTopicHandler handler);
// Shows the topic of that context number (help_topics.h) through the handler.
void ShowHelpTopic(int context);

}  // namespace quillix
