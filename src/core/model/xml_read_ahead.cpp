// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/xml_read_ahead.h"

#include <functional>

namespace quillix {

XmlReadAhead::XmlReadAhead(std::string_view text, std::size_t blockEvents)
    : text_(text), blockEvents_(blockEvents == 0 ? 1 : blockEvents), reader_(text) {
    thread_ = std::thread([this] { Run(); });
}

XmlReadAhead::~XmlReadAhead() {
    {
        const std::lock_guard lock(mutex_);
        abandoned_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

std::unique_ptr<XmlEventBlock> XmlReadAhead::Take(std::unique_ptr<XmlEventBlock> used) {
    std::unique_lock lock(mutex_);
    if (used) spare_.push_back(std::move(used));
    if (ready_.empty() && !finished_) {
        takerWaits_ = true;
        changed_.wait(lock, [this] { return !ready_.empty() || finished_; });
        takerWaits_ = false;
    }
    if (ready_.empty()) {
        if (failure_) std::rethrow_exception(failure_);
        return nullptr;
    }
    std::unique_ptr<XmlEventBlock> block = std::move(ready_.front());
    ready_.pop_front();
    const bool wake = readerWaits_ && ready_.size() <= kBlocksAhead / 2;
    lock.unlock();
    if (wake) changed_.notify_all();
    return block;
}

void XmlReadAhead::Run() {
    try {
        std::unique_ptr<XmlEventBlock> block = EmptyBlock();
        for (;;) {
            const XmlPullReader::Event event = reader_.Next();
            Record(*block, event);
            const bool last =
                event == XmlPullReader::Event::kDone || event == XmlPullReader::Event::kNotPlain;
            if (!last && block->events.size() < blockEvents_) continue;
            if (!Hand(std::move(block)) || last) break;
            block = EmptyBlock();
        }
    } catch (...) {
        const std::lock_guard lock(mutex_);
        failure_ = std::current_exception();
    }
    {
        const std::lock_guard lock(mutex_);
        finished_ = true;
    }
    changed_.notify_all();
}

// Values are views of the text, but for those with entities, which the
// reader decoded into storage of its own that the next start tag reuses.
void XmlReadAhead::Record(XmlEventBlock& block, XmlPullReader::Event event) const {
    XmlRecordedEvent recorded{event, static_cast<std::uint32_t>(reader_.Depth()), reader_.Name(),
                              static_cast<std::uint32_t>(block.attributes.size()), 0};
    if (event == XmlPullReader::Event::kStart) {
        const std::less<const char*> before;
        for (XmlPullReader::Attribute attribute : reader_.Attributes()) {
            const char* value = attribute.value.data();
            const bool inText =
                !before(value, text_.data()) &&
                !before(text_.data() + text_.size(), value + attribute.value.size());
            if (!inText) attribute.value = block.decoded.emplace_back(attribute.value);
            block.attributes.push_back(attribute);
        }
        recorded.attributeCount =
            static_cast<std::uint32_t>(block.attributes.size()) - recorded.firstAttribute;
    }
    block.events.push_back(recorded);
}

std::unique_ptr<XmlEventBlock> XmlReadAhead::EmptyBlock() {
    {
        const std::lock_guard lock(mutex_);
        if (!spare_.empty()) {
            std::unique_ptr<XmlEventBlock> block = std::move(spare_.back());
            spare_.pop_back();
            block->events.clear();
            block->attributes.clear();
            block->decoded.clear();
            return block;
        }
    }
    auto block = std::make_unique<XmlEventBlock>();
    block->events.reserve(blockEvents_);
    block->attributes.reserve(4 * blockEvents_);  // as many as a value element has
    return block;
}

bool XmlReadAhead::Hand(std::unique_ptr<XmlEventBlock> block) {
    bool wake = false;
    {
        std::unique_lock lock(mutex_);
        if (ready_.size() >= kBlocksAhead && !abandoned_) {
            readerWaits_ = true;
            // Once the taker has caught up half-way: a wake-up for each block
            // would cost more than reading it.
            changed_.wait(lock, [this] { return ready_.size() <= kBlocksAhead / 2 || abandoned_; });
            readerWaits_ = false;
        }
        if (abandoned_) return false;
        ready_.push_back(std::move(block));
        wake = takerWaits_;
    }
    if (wake) changed_.notify_all();
    return true;
}

}  // namespace quillix
