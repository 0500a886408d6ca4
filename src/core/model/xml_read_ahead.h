// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// XmlReadAhead: an XmlPullReader over a large text run on a thread of its own,
// ahead of the thread that builds from its events. The events are kept in
// blocks, which that thread takes in turn (XmlPullReader does so when made to
// read ahead), so that splitting the text into elements and attributes costs
// the building thread nothing but the hand-over of a block now and then. The
// reader stays a bounded number of blocks ahead, and stops early when the
// building thread gives up.

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <exception>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "model/xml_pull_reader.h"

namespace quillix {

struct XmlRecordedEvent {
    XmlPullReader::Event event;
    std::uint32_t depth;  // elements open after the event
    std::string_view name;
    std::uint32_t firstAttribute;
    std::uint32_t attributeCount;
};

// Events with their attributes; values with entities were decoded into
// decoded, where they stay for the life of the block.
struct XmlEventBlock {
    std::vector<XmlRecordedEvent> events;
    std::vector<XmlPullReader::Attribute> attributes;
    std::deque<std::string> decoded;
};

class XmlReadAhead {
  public:
    // Starts reading at once; the text must outlive the object. Throws
    // std::system_error when no thread can be started.
    XmlReadAhead(std::string_view text, std::size_t blockEvents);
    ~XmlReadAhead();
    XmlReadAhead(const XmlReadAhead&) = delete;
    XmlReadAhead& operator=(const XmlReadAhead&) = delete;

    // The next block, waiting for it; the last one ends with kDone or
    // kNotPlain. Rethrows what stopped the reader (only a failed allocation
    // can). used, a block read to its end, is filled again: the two threads
    // then never free what the other allocated.
    std::unique_ptr<XmlEventBlock> Take(std::unique_ptr<XmlEventBlock> used);

  private:
    static constexpr std::size_t kBlocksAhead = 8;

    void Run();
    void Record(XmlEventBlock& block, XmlPullReader::Event event) const;
    // An empty block to fill: one given back, or a new one.
    std::unique_ptr<XmlEventBlock> EmptyBlock();
    // False when the taker has gone.
    bool Hand(std::unique_ptr<XmlEventBlock> block);

    std::string_view text_;
    std::size_t blockEvents_;
    XmlPullReader reader_;

    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::unique_ptr<XmlEventBlock>> ready_;
    std::vector<std::unique_ptr<XmlEventBlock>> spare_;
    bool takerWaits_ = false;  // each side wakes the other only when it waits
    bool readerWaits_ = false;
    std::exception_ptr failure_;
    bool finished_ = false;
    bool abandoned_ = false;

    std::thread thread_;  // last: it starts once everything above is ready
};

}  // namespace quillix
