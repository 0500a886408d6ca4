// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/plain_xml.h"

#include <vector>

#include "model/xml_text_writer.h"

namespace quillix {

std::string PlainXmlOf(pugi::xml_node element) {
    std::string text;
    if (!element) return text;
    XmlTextWriter out(text, "");
    // Elements still to start and end tags still to write, last first: the
    // depth of the document never reaches the stack.
    struct Step {
        pugi::xml_node node;
        int level;
        bool end;
    };
    std::vector<Step> steps{{element, 0, false}};
    while (!steps.empty()) {
        const Step step = steps.back();
        steps.pop_back();
        if (step.end) {
            out.EndElement(step.node.name(), step.level);
            continue;
        }
        out.StartElement(step.node.name(), step.level);
        for (pugi::xml_attribute a = step.node.first_attribute(); a; a = a.next_attribute())
            out.Attribute(a.name(), a.value());
        const std::size_t before = steps.size();
        for (pugi::xml_node child = step.node.last_child(); child;
             child = child.previous_sibling()) {
            if (child.type() == pugi::node_element) steps.push_back({child, step.level + 1, false});
        }
        if (steps.size() == before) {
            out.EndEmptyElement();
            continue;
        }
        out.EndStartTag();
        steps.insert(steps.begin() + static_cast<std::ptrdiff_t>(before),
                     Step{step.node, step.level, true});
    }
    return text;
}

}  // namespace quillix
