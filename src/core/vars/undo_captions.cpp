// SPDX-License-Identifier: GPL-3.0-or-later
#include "vars/undo_captions.h"

#include <set>

namespace quillix {

namespace {

std::string Quoted(const std::string& name) {
    return "'" + name + "'";
}

// The verb of a change, before the variable or the count of variables.
const char* Verb(TVarsEdit edit) {
    switch (edit) {
        case TVarsEdit::Add:
            return "Add";
        case TVarsEdit::Delete:
            return "Delete";
        case TVarsEdit::Value:
            return "Change";
        case TVarsEdit::Type:
            return "Set Type of";
        case TVarsEdit::Properties:
            return "Properties of";
        case TVarsEdit::Move:
            return "Move";
        case TVarsEdit::Rename:
            return "Rename";
        case TVarsEdit::Clear:
            return "Clear";
        case TVarsEdit::Description:
            return "Program Properties";
    }
    return "";
}

std::string MenuText(const char* verb, const std::string& caption) {
    std::string text = verb;
    if (caption.empty()) return text;
    text += ' ';
    for (const char c : caption) {
        if (c == '&') text += '&';
        text += c;
    }
    return text;
}

std::string OneChange(const TEditLabel& label) {
    switch (label.Edit) {
        case TVarsEdit::Clear:
        case TVarsEdit::Description:
            return Verb(label.Edit);
        case TVarsEdit::Add:
            return std::string(Verb(label.Edit)) + " " + Quoted(label.NewName);
        case TVarsEdit::Rename:
            return "Rename " + Quoted(label.Name) + " to " + Quoted(label.NewName);
        default:
            return std::string(Verb(label.Edit)) + " " + Quoted(label.Name);
    }
}

}  // namespace

std::string StepCaption(const std::vector<TEditLabel>& labels) {
    if (labels.empty()) return {};
    const TVarsEdit edit = labels.front().Edit;
    std::set<std::string> names;
    for (const TEditLabel& label : labels) {
        if (label.Edit != edit) return "Changes";
        names.insert(label.Edit == TVarsEdit::Add ? label.NewName : label.Name);
    }
    // The same change more than once (Move Up twice) is named once.
    if (names.size() == 1 || edit == TVarsEdit::Clear || edit == TVarsEdit::Description)
        return OneChange(labels.back());
    return std::string(Verb(edit)) + " " + std::to_string(names.size()) + " variables";
}

std::string UndoMenuText(const std::string& caption) {
    return MenuText("&Undo", caption);
}

std::string RedoMenuText(const std::string& caption) {
    return MenuText("&Redo", caption);
}

}  // namespace quillix
