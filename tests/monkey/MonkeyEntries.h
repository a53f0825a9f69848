// What the monkey types: date entries drawn from the date entry grammar (dates of random
// moments in every notation, with and without time, code and blanks), the same mutated, and the
// seeds of the fuzz corpora; days for the plus/minus box.
#pragma once
#include <random>
#include <string>
#include <vector>

namespace Monkey {

class Entries {
public:
    // corpusFolder holds the fuzz corpora (one folder per target, one input per file).
    explicit Entries(const std::string& corpusFolder);
    std::string Date(std::mt19937_64& random) const;
    std::string Days(std::mt19937_64& random) const;
    size_t CorpusSize() const { return corpus_.size(); }

private:
    std::vector<std::string> corpus_;
};

}  // namespace Monkey
