#include "tools/module_maker/flight_script.h"

#include "saver/model/recording.h"

#include <sstream>

namespace {

// The program reads at most 128000 bytes of a recording, and a saved recording carries two
// spare samples behind the last one.
constexpr int MAX_SAMPLES = 128000 / 4 - 2;

struct Segment {
    int view = 0;
    int frames = 0;
    float x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    bool follow = false;
};

std::string trim(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\n");
    if (first == std::string::npos) return "";
    const size_t last = text.find_last_not_of(" \t\n");
    return text.substr(first, last - first + 1);
}

bool parse_pair(const std::string& text, float* x, float* y) {
    char comma = 0;
    std::istringstream in(text);
    return (in >> *x >> comma >> *y) && comma == ',' && in.peek() == EOF;
}

bool parse_steering(const std::string& text, Segment* segment) {
    const size_t arrow = text.find('>');
    if (arrow == std::string::npos) {
        if (!parse_pair(text, &segment->x0, &segment->y0)) return false;
        segment->x1 = segment->x0;
        segment->y1 = segment->y0;
        return true;
    }
    return parse_pair(text.substr(0, arrow), &segment->x0, &segment->y0) &&
           parse_pair(text.substr(arrow + 1), &segment->x1, &segment->y1);
}

bool parse_segment(const std::string& text, Segment* segment) {
    std::istringstream in(text);
    if (!(in >> segment->view >> segment->frames)) return false;
    if (segment->view < 1 || segment->view > 8 || segment->frames < 1) return false;
    std::string word;
    while (in >> word) {
        if (word == "f")
            segment->follow = true;
        else if (!parse_steering(word, segment))
            return false;
    }
    return true;
}

} // namespace

bool compile_flight(const std::string& script, std::vector<int16_t>* words, std::string* error) {
    std::vector<std::string> parts;
    std::istringstream in(script);
    for (std::string part; std::getline(in, part, ';');) parts.push_back(trim(part));
    if (parts.size() < 2) {
        *error = "a flight needs a segment and an ending";
        return false;
    }
    const std::string ending = parts.back();
    parts.pop_back();
    if (ending != "loop" && ending != "keep" && ending != "end") {
        *error = "a flight ends with loop, keep or end, not \"" + ending + "\"";
        return false;
    }

    std::vector<RecordingSample> samples;
    for (const std::string& part : parts) {
        Segment segment;
        if (!parse_segment(part, &segment)) {
            *error = "bad flight segment \"" + part + "\"";
            return false;
        }
        for (int frame = 0; frame < segment.frames; ++frame) {
            const float t = segment.frames > 1 ? float(frame) / float(segment.frames - 1) : 0.0f;
            RecordingSample sample{};
            sample.fsxx =
                static_cast<float>(static_cast<int>(segment.x0 + (segment.x1 - segment.x0) * t));
            sample.fsyy =
                static_cast<float>(static_cast<int>(segment.y0 + (segment.y1 - segment.y0) * t));
            sample.view_index = segment.view - 1;
            sample.follow = segment.follow ? 1 : 0;
            samples.push_back(sample);
        }
    }
    if (samples.size() > static_cast<size_t>(MAX_SAMPLES)) {
        *error = "the flight is longer than a recording holds";
        return false;
    }
    if (ending == "loop" || ending == "keep") samples.back().loop = 1;
    if (ending == "end" || ending == "keep") samples.back().end = 1;

    words->clear();
    for (const RecordingSample& sample : samples) {
        int16_t pair[2];
        encode_sample(sample, pair);
        words->push_back(pair[0]);
        words->push_back(pair[1]);
    }
    // A saved recording carries two spare samples behind the last one; the program never
    // plays them because the last sample loops or ends.
    words->insert(words->end(), 4, 0);
    return true;
}
