// SPDX-License-Identifier: GPL-3.0-or-later
// The links by which an open document holds a library object: they go dead
// with the object, and a rescan passes them on to the new object of their file.

#include <algorithm>

#include "vars/user_func_folder.h"

namespace quillix {

TUserFuncObj::~TUserFuncObj() {
    if (!link_) return;
    link_->object_ = nullptr;
    link_->Changed();
}

std::shared_ptr<const TUserFuncObjLink> TUserFuncObj::Link() {
    if (!link_) link_ = std::shared_ptr<TUserFuncObjLink>(new TUserFuncObjLink(this));
    return link_;
}

// Moves the links that someone else still holds out of the objects of this
// subtree, so that freeing the objects leaves them alone.
void TUserFuncFolder::TakeHeldLinks(std::vector<HeldLink>& held) {
    for (const auto& file : files_) {
        if (file->link_ && file->link_.use_count() > 1)
            held.push_back({file->GetFileName(), std::move(file->link_)});
    }
    for (const auto& folder : subfolders_)
        folder->TakeHeldLinks(held);
}

// Gives each held link to the object of its file; the links left over name
// files the scan no longer found.
void TUserFuncFolder::PassOnLinks(std::vector<HeldLink>& held) {
    if (held.empty()) return;
    for (const auto& file : files_) {
        const std::string fileName = file->GetFileName();
        const auto it = std::find_if(held.begin(), held.end(), [&fileName](const HeldLink& h) {
            return h.fileName == fileName;
        });
        if (it == held.end()) continue;
        it->link->object_ = file.get();
        file->link_ = std::move(it->link);
        held.erase(it);
    }
    for (const auto& folder : subfolders_)
        folder->PassOnLinks(held);
}

}  // namespace quillix
