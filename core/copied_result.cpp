// SPDX-FileCopyrightText: The Tolvar project
// SPDX-License-Identifier: GPL-3.0-or-later
#include "copied_result.h"

#include <algorithm>
#include <map>
#include <optional>

namespace tolvar {
namespace {

// A line's wording must have this much text of its own besides its value, or any line would do.
constexpr std::size_t MIN_FIXED_TEXT = 4;
// What a failure quotes of a line, and the most of a date kept.
constexpr std::size_t MAX_QUOTED = 200;
constexpr std::size_t MAX_DATE = 64;
// How many lines after the ratings may hold the replies (the consistency line comes first).
constexpr int REPLIES_WITHIN = 2;
constexpr int REPLIES_PER_GROUP = 4;

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

bool EndsWith(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return text;
}

// What a character that looks like nothing, or like a space, becomes: nothing (direction
// marks, zero-width characters, a byte order mark), a space, or itself. `length` is how many
// bytes the character takes.
enum class Looks { Itself, Nothing, Space };

Looks LooksOf(std::string_view text, std::size_t at, std::size_t& length) {
    const auto byte = [&text, at](std::size_t offset) {
        return at + offset < text.size() ? static_cast<unsigned char>(text[at + offset]) : 0U;
    };
    length = 1;
    const unsigned first = byte(0);
    if (first == '\t' || first == '\v' || first == '\f') {
        return Looks::Space;
    }
    if (first == 0xC2 && byte(1) == 0xA0) {  // no-break space
        length = 2;
        return Looks::Space;
    }
    if (first == 0xD8 && byte(1) == 0x9C) {  // Arabic letter mark
        length = 2;
        return Looks::Nothing;
    }
    if (first == 0xE2 && byte(1) == 0x80) {
        const unsigned third = byte(2);
        length = 3;
        if (third <= 0x8A || third == 0xAF) {  // en quad to hair space, narrow no-break space
            return Looks::Space;
        }
        if ((third >= 0x8B && third <= 0x8F) || (third >= 0xAA && third <= 0xAE)) {
            return Looks::Nothing;  // zero-width characters, direction marks and embeddings
        }
        length = 1;
    } else if (first == 0xE2 && byte(1) == 0x81) {
        const unsigned third = byte(2);
        length = 3;
        if (third == 0x9F) {  // medium mathematical space
            return Looks::Space;
        }
        if (third == 0xA0 || (third >= 0xA6 && third <= 0xA9)) {
            return Looks::Nothing;  // word joiner, direction isolates
        }
        length = 1;
    } else if (first == 0xE3 && byte(1) == 0x80 && byte(2) == 0x80) {  // ideographic space
        length = 3;
        return Looks::Space;
    } else if (first == 0xEF && byte(1) == 0xBB && byte(2) == 0xBF) {  // byte order mark
        length = 3;
        return Looks::Nothing;
    }
    return Looks::Itself;
}

// The text as it reads: invisible characters gone, every kind of space one plain space, no
// space at either end.
std::string Normalised(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        std::size_t length = 1;
        switch (LooksOf(text, at, length)) {
            case Looks::Nothing:
                break;
            case Looks::Space:
                if (!out.empty() && out.back() != ' ') {
                    out += ' ';
                }
                break;
            case Looks::Itself:
                if (text[at] == ' ') {
                    if (!out.empty() && out.back() != ' ') {
                        out += ' ';
                    }
                } else {
                    out.append(text.substr(at, length));
                }
                break;
        }
        at += length;
    }
    return std::string(Trimmed(out));
}

// The text's lines, whatever ends them (CR LF, CR or LF), each normalised and without the
// marks an e-mail quotes with; empty lines are left out.
std::vector<std::string> ReadableLines(std::string_view text) {
    std::vector<std::string> lines;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        std::string line = Normalised(text.substr(0, end));
        while (!line.empty() && line.front() == '>') {
            line = std::string(Trimmed(std::string_view(line).substr(1)));
        }
        if (!line.empty()) {
            lines.push_back(std::move(line));
        }
        if (end == std::string_view::npos) {
            break;
        }
        text.remove_prefix(end + (text.substr(end, 2) == "\r\n" ? 2 : 1));
    }
    return lines;
}

// A line's wording split around its value.
struct Template {
    std::string before;
    std::string after;
};

std::optional<Template> TemplateOf(std::string_view wording) {
    const std::string normal = Normalised(wording);
    const std::size_t value = normal.find("%1");
    if (value == std::string::npos) {
        return std::nullopt;
    }
    Template parts{std::string(Trimmed(std::string_view(normal).substr(0, value))),
                   std::string(Trimmed(std::string_view(normal).substr(value + 2)))};
    if (parts.before.size() + parts.after.size() < MIN_FIXED_TEXT) {
        return std::nullopt;
    }
    return parts;
}

// At most `most` bytes of the text, not ending inside a character.
std::string Quoted(std::string_view line, std::size_t most = MAX_QUOTED) {
    if (line.size() <= most) {
        return std::string(line);
    }
    std::size_t cut = most;
    while (cut > 0 && (static_cast<unsigned char>(line[cut]) & 0xC0U) == 0x80U) {
        --cut;  // not inside a character
    }
    return std::string(line.substr(0, cut));
}

// Everything the wordings say, ready to match lines against.
class Vocabulary {
  public:
    explicit Vocabulary(const std::vector<ResultWording>& wordings) {
        for (const ResultWording& wording : wordings) {
            Add(headings_, wording.heading);
            Add(markedLines_, wording.marked);
            Add(replyLines_, wording.replies);
            for (Int16 motivator = 1; motivator <= MOTIVATOR_COUNT; ++motivator) {
                for (const std::string& name : wording.names(motivator)) {
                    const std::string normal = Normalised(name);
                    if (!normal.empty()) {
                        names_.emplace(normal, motivator);  // the first wording of a name wins
                    }
                }
            }
        }
    }

    std::optional<std::string> Heading(std::string_view line) const {
        return ValueIn(headings_, line);
    }
    std::optional<std::string> MarkedLine(std::string_view line) const {
        return ValueIn(markedLines_, line);
    }
    std::optional<std::string> RepliesLine(std::string_view line) const {
        return ValueIn(replyLines_, line);
    }
    std::optional<Int16> Motivator(const std::string& name) const {
        const auto found = names_.find(name);
        return found == names_.end() ? std::nullopt : std::optional<Int16>(found->second);
    }

  private:
    static void Add(std::vector<Template>& templates, std::string_view wording) {
        if (auto parts = TemplateOf(wording)) {
            templates.push_back(std::move(*parts));
        }
    }

    // The line's value where the line is written in one of the templates.
    static std::optional<std::string> ValueIn(const std::vector<Template>& templates,
                                              std::string_view line) {
        for (const Template& parts : templates) {
            if (line.size() >= parts.before.size() + parts.after.size() &&
                StartsWith(line, parts.before) && EndsWith(line, parts.after)) {
                const std::string_view value = line.substr(
                    parts.before.size(), line.size() - parts.before.size() - parts.after.size());
                return std::string(Trimmed(value));
            }
        }
        return std::nullopt;
    }

    std::vector<Template> headings_;
    std::vector<Template> markedLines_;
    std::vector<Template> replyLines_;
    std::map<std::string, Int16, std::less<>> names_;
};

// The value of a decimal digit, Western or Arabic-Indic (either form), at the start of the text,
// and how many bytes it takes.
std::optional<int> DigitAt(std::string_view text, std::size_t& length) {
    if (!text.empty() && text[0] >= '0' && text[0] <= '9') {
        length = 1;
        return text[0] - '0';
    }
    if (text.size() >= 2) {
        const auto lead = static_cast<unsigned char>(text[0]);
        const auto next = static_cast<unsigned char>(text[1]);
        if ((lead == 0xD9 && next >= 0xA0 && next <= 0xA9) ||
            (lead == 0xDB && next >= 0xB0 && next <= 0xB9)) {
            length = 2;
            return static_cast<int>(next & 0x0FU);
        }
    }
    return std::nullopt;
}

// A rating line: a number, a space, then the motivator's name.
struct RatingLine {
    int rating;
    std::string name;
};

std::optional<RatingLine> AsRatingLine(std::string_view line) {
    constexpr int LARGE = 1000;  // any number this large or larger is out of range alike
    bool negative = false;
    if (!line.empty() && (line[0] == '-' || line[0] == '+')) {
        negative = line[0] == '-';
        line.remove_prefix(1);
    }
    int value = 0;
    std::size_t digits = 0;
    std::size_t length = 0;
    while (const auto digit = DigitAt(line, length)) {
        value = std::min(value * 10 + *digit, LARGE);
        line.remove_prefix(length);
        ++digits;
    }
    if (digits == 0 || line.empty() || line[0] != ' ') {
        return std::nullopt;
    }
    return RatingLine{negative ? -value : value, std::string(Trimmed(line))};
}

ReadFailure Failure(ReadProblem problem, Int16 motivator = 0, int number = 0,
                    std::string_view line = {}) {
    return ReadFailure{problem, motivator, number, Quoted(line)};
}

// The 28 replies written in the letters A and B, spaces anywhere; or what is wrong with them.
std::variant<Replies, ReadFailure> ReadReplies(const std::string& letters, std::string_view line) {
    std::string compact;
    for (const char letter : letters) {
        if (letter == ' ') {
            continue;
        }
        if (letter != 'A' && letter != 'B') {
            return Failure(ReadProblem::RepliesOtherLetters, 0, 0, line);
        }
        compact += letter;
    }
    if (compact.size() != static_cast<std::size_t>(QUESTION_COUNT)) {
        return Failure(ReadProblem::RepliesWrongCount, 0, static_cast<int>(compact.size()));
    }
    Replies replies;
    for (Int16 question = 1; question <= QUESTION_COUNT; ++question) {
        const Pair pair = *PairOf(question);
        replies(question) =
            compact[static_cast<std::size_t>(question - 1)] == 'A' ? pair.sideA : pair.sideB;
    }
    return replies;
}

// Reads the result that begins at lines[start], its heading.
ReadOutcome ReadFrom(const std::vector<std::string>& lines, std::size_t start,
                     const Vocabulary& vocabulary) {
    CopiedResult result;
    const std::string date = *vocabulary.Heading(lines[start]);
    result.copiedAt = Quoted(date, MAX_DATE);
    std::size_t at = start + 1;
    const auto marked = at < lines.size() ? vocabulary.MarkedLine(lines[at]) : std::nullopt;
    if (!marked) {
        return Failure(ReadProblem::NoMarkedLine, 0, 0, at < lines.size() ? lines[at] : "");
    }
    const auto markedMotivator = vocabulary.Motivator(*marked);
    if (!markedMotivator) {
        return Failure(ReadProblem::UnknownMotivator, 0, 0, lines[at]);
    }
    result.marked = *markedMotivator;

    OneBasedArray<bool, MOTIVATOR_COUNT> rated;
    for (++at; at < lines.size(); ++at) {
        const auto rating = AsRatingLine(lines[at]);
        if (!rating) {
            break;
        }
        const auto motivator = vocabulary.Motivator(rating->name);
        if (!motivator) {
            return Failure(ReadProblem::UnknownMotivator, 0, 0, lines[at]);
        }
        if (rated(*motivator)) {
            return Failure(ReadProblem::MotivatorTwice, *motivator);
        }
        rated(*motivator) = true;
        if (rating->rating < 0 || rating->rating > MOTIVATOR_COUNT - 1) {
            return Failure(ReadProblem::RatingOutOfRange, *motivator, rating->rating);
        }
        result.ratings(*motivator) = static_cast<Int16>(rating->rating);
    }
    int sum = 0;
    for (Int16 motivator = 1; motivator <= MOTIVATOR_COUNT; ++motivator) {
        if (!rated(motivator)) {
            return Failure(ReadProblem::MotivatorMissing, motivator);
        }
        sum += result.ratings(motivator);
    }
    if (sum != QUESTION_COUNT) {
        return Failure(ReadProblem::RatingsNotTwentyEight, 0, sum);
    }

    for (const std::size_t last = std::min(lines.size(), at + REPLIES_WITHIN); at < last; ++at) {
        const auto letters = vocabulary.RepliesLine(lines[at]);
        if (!letters) {
            continue;
        }
        auto replies = ReadReplies(*letters, lines[at]);
        if (auto* failure = std::get_if<ReadFailure>(&replies)) {
            return *failure;
        }
        result.replies = std::get<Replies>(replies);
        result.hasReplies = true;
        Ratings counted;
        for (Int16 question = 1; question <= QUESTION_COUNT; ++question) {
            ++counted(result.replies(question));
        }
        for (Int16 motivator = 1; motivator <= MOTIVATOR_COUNT; ++motivator) {
            if (counted(motivator) != result.ratings(motivator)) {
                return Failure(ReadProblem::RepliesContradictRatings, motivator);
            }
        }
        break;
    }
    return result;
}

// Where the results in the lines begin: every heading followed by the line naming the marked
// motivator. Where no heading is so followed, the first heading alone, so that reading it says
// what is missing below it; none where no line is a heading.
std::vector<std::size_t> ResultStarts(const std::vector<std::string>& lines,
                                      const Vocabulary& vocabulary) {
    std::optional<std::size_t> firstHeading;
    std::vector<std::size_t> starts;
    for (std::size_t at = 0; at < lines.size(); ++at) {
        if (!vocabulary.Heading(lines[at])) {
            continue;
        }
        if (!firstHeading) {
            firstHeading = at;
        }
        if (at + 1 < lines.size() && vocabulary.MarkedLine(lines[at + 1])) {
            starts.push_back(at);
        }
    }
    if (starts.empty() && firstHeading) {
        starts.push_back(*firstHeading);
    }
    return starts;
}

}  // namespace

std::string ReplyLetters(const Replies& replies) {
    std::string letters;
    for (Int16 question = 1; question <= QUESTION_COUNT; ++question) {
        if (question > 1 && (question - 1) % REPLIES_PER_GROUP == 0) {
            letters += ' ';
        }
        const Pair pair = *PairOf(question);
        const Int16 reply = replies(question);
        letters += reply == pair.sideA ? 'A' : reply == pair.sideB ? 'B' : '-';
    }
    return letters;
}

std::vector<ReadOutcome> ReadEveryCopiedResult(std::string_view text,
                                               const std::vector<ResultWording>& wordings) {
    const Vocabulary vocabulary(wordings);
    const std::vector<std::string> lines = ReadableLines(text);
    std::vector<ReadOutcome> outcomes;
    for (const std::size_t start : ResultStarts(lines, vocabulary)) {
        outcomes.push_back(ReadFrom(lines, start, vocabulary));
    }
    return outcomes;
}

ReadOutcome ReadCopiedResult(std::string_view text, const std::vector<ResultWording>& wordings) {
    std::vector<ReadOutcome> outcomes = ReadEveryCopiedResult(text, wordings);
    if (outcomes.empty()) {
        return Failure(ReadProblem::NoResult);
    }
    if (outcomes.size() > 1) {
        return Failure(ReadProblem::SeveralResults, 0, static_cast<int>(outcomes.size()));
    }
    return std::move(outcomes.front());
}

}  // namespace tolvar
