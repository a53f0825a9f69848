// Reads the comma-separated reference tables of tests/data into rows of numbers by column name.
#pragma once
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

class CsvTable {
public:
    explicit CsvTable(const std::string& name) {
        std::ifstream in(std::string(SELVANOR_TEST_DATA) + "/" + name);
        std::string line;
        if (!std::getline(in, line)) return;
        StripCarriageReturn(line);
        std::istringstream header(line);
        std::string field;
        for (int i = 0; std::getline(header, field, ','); ++i) columns_[field] = i;
        while (std::getline(in, line)) {
            StripCarriageReturn(line);
            std::vector<std::string> row;
            std::istringstream fields(line);
            while (std::getline(fields, field, ',')) row.push_back(field);
            rows_.push_back(row);
        }
    }
    size_t size() const { return rows_.size(); }
    double Number(size_t row, const std::string& column) const {
        return std::atof(Text(row, column).c_str());
    }
    int Integer(size_t row, const std::string& column) const {
        return std::atoi(Text(row, column).c_str());
    }
    std::string Text(size_t row, const std::string& column) const {
        const auto c = columns_.find(column);
        if (c == columns_.end() || c->second >= static_cast<int>(rows_[row].size())) return "";
        return rows_[row][c->second];
    }

private:
    static void StripCarriageReturn(std::string& line) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
    }
    std::map<std::string, int> columns_;
    std::vector<std::vector<std::string>> rows_;
};
