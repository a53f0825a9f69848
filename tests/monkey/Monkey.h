// A monkey for the windows: from a seed, random actions on every window through its controls
// (found by object name) with the messages answered through the dialog service, and after every
// action the invariants checked against what the controls show and what the core computes.
#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace Monkey {

struct Fault {
    long action = 0;  // the action (counted from 1) after which it was seen
    std::string what;
    std::vector<std::string> trail;  // the actions up to it, oldest first
};

// The fault and the actions that led to it, one a line.
std::string Describe(const Fault& fault);

class Run {
public:
    // corpusFolder: the fuzz corpora, whose inputs are typed among the generated entries.
    Run(uint64_t seed, const std::string& corpusFolder);
    ~Run();
    // Makes n more actions. After a fault the windows start afresh (on the same state folder).
    void Actions(long n);
    const std::vector<Fault>& Faults() const;
    long Done() const;
    // How often each action was made, and the longest one of each kind in milliseconds.
    std::string Summary() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace Monkey
