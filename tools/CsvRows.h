// The reading of a comma-separated table with a header line that the fitting tools share: each
// row's fields by column name, Windows line ends allowed.
#pragma once
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

class CsvRows {
public:
    explicit CsvRows(const char* path) : in_(path) {
        std::string line;
        if (!ReadLine(line)) return;
        std::istringstream header(line);
        std::string field;
        for (int i = 0; std::getline(header, field, ','); ++i) column_[field] = i;
    }
    bool Open() const { return !column_.empty(); }
    // Moves to the next row; false at the end.
    bool Next() {
        std::string line;
        if (!ReadLine(line)) return false;
        fields_.clear();
        std::istringstream fields(line);
        std::string field;
        while (std::getline(fields, field, ',')) fields_.push_back(field);
        return true;
    }
    // The field of the current row in the named column ("" if there is none).
    std::string Text(const std::string& name) const {
        const auto c = column_.find(name);
        return c != column_.end() && c->second < static_cast<int>(fields_.size()) ? fields_[c->second] : "";
    }
    double Number(const std::string& name) const { return std::atof(Text(name).c_str()); }
    int Integer(const std::string& name) const { return std::atoi(Text(name).c_str()); }

private:
    bool ReadLine(std::string& text) {
        if (!std::getline(in_, text)) return false;
        if (!text.empty() && text.back() == '\r') text.pop_back();
        return true;
    }
    std::ifstream in_;
    std::map<std::string, int> column_;
    std::vector<std::string> fields_;
};
