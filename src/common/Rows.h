#pragma once

#include <cstddef>
#include <ostream>
#include <string>
#include <vector>

namespace torvexa {

// The rows of a list held elsewhere, as a list box shows them: it keeps no copy.
class Rows {
  public:
    virtual ~Rows() = default;
    virtual std::size_t size() const = 0;
    virtual std::string operator[](std::size_t row) const = 0;

    bool empty() const { return size() == 0; }
    bool operator==(const std::vector<std::string>& rows) const {
        if (rows.size() != size()) return false;
        for (std::size_t i = 0; i < rows.size(); ++i)
            if ((*this)[i] != rows[i]) return false;
        return true;
    }
    friend std::ostream& operator<<(std::ostream& out, const Rows& rows) {
        for (std::size_t i = 0; i < rows.size(); ++i)
            out << (i ? ", " : "") << '"' << rows[i] << '"';
        return out;
    }
};

// A vector's strings as rows.
class VectorRows : public Rows {
  public:
    explicit VectorRows(const std::vector<std::string>& rows) : rows_(rows) {}
    std::size_t size() const override { return rows_.size(); }
    std::string operator[](std::size_t row) const override { return rows_[row]; }

  private:
    const std::vector<std::string>& rows_;
};

}  // namespace torvexa
