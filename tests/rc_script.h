// A reader of the program's resource script for tests: a tokenizer, the part
// of the preprocessor that the script uses (object- and function-like
// #define, #ifdef/#ifndef/#else/#endif, #include of the project's own
// headers), and a parser of the ICON, MENU and DIALOG(EX) statements. System
// headers are not read: their names (WS_*, ES_*, ...) stay names, which is
// what the style checks look at. Anything the reader does not understand is
// reported in `errors`, so a test notices instead of passing over it.
#pragma once

#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace rc {

struct Token {
  enum Kind { Ident, Number, String, Punct } kind;
  std::string text;  // identifier, punctuation, or the decoded string
  long value = 0;    // numbers
};

struct MenuItem {
  std::string text;
  long id = 0;
  bool separator = false;
  bool popup = false;
  std::vector<std::string> options;  // GRAYED, CHECKED, ...
  std::vector<MenuItem> items;       // of a popup
};

struct Menu {
  long id = 0;
  std::vector<MenuItem> items;
};

struct Control {
  std::string kind;  // LTEXT, EDITTEXT, CONTROL, ...
  std::string text;
  long id = 0;
  std::string cls;              // window class of CONTROL statements
  std::set<std::string> style;  // names used in the style expression
  long x = 0, y = 0, w = 0, h = 0;
};

struct Dialog {
  long id = 0;
  std::string caption;
  long x = 0, y = 0, w = 0, h = 0;
  std::set<std::string> style;
  long fontSize = 0;
  std::string fontFace;
  long fontCharset = -1;
  std::vector<Control> controls;

  const Control* control(long controlId) const {
    for (const Control& c : controls)
      if (c.id == controlId) return &c;
    return nullptr;
  }
};

struct Icon {
  long id = 0;
  std::string file;
};

struct Script {
  std::vector<Icon> icons;
  std::vector<Menu> menus;
  std::vector<Dialog> dialogs;
  std::vector<std::string> strings;        // every string literal of the script
  std::vector<std::string> unresolvedIds;  // resource names that are not numbers
  std::vector<std::string> errors;

  const Menu* menu(long id) const {
    for (const Menu& m : menus)
      if (m.id == id) return &m;
    return nullptr;
  }
  const Dialog* dialog(long id) const {
    for (const Dialog& d : dialogs)
      if (d.id == id) return &d;
    return nullptr;
  }
};

namespace detail {

inline bool isIdentStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
inline bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Tokens of one logical line (comments already cut away by the caller).
inline std::vector<Token> tokenize(const std::string& s, std::vector<std::string>& errors) {
  std::vector<Token> out;
  size_t i = 0;
  while (i < s.size()) {
    char c = s[i];
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
      ++i;
    } else if ((c == 'L' && i + 1 < s.size() && s[i + 1] == '"') || c == '"') {
      if (c == 'L') ++i;
      std::string text;
      ++i;
      bool closed = false;
      while (i < s.size()) {
        if (s[i] == '"') {
          if (i + 1 < s.size() && s[i + 1] == '"') {  // "" is one quote character
            text += '"';
            i += 2;
            continue;
          }
          ++i;
          closed = true;
          break;
        }
        text += s[i++];
      }
      if (!closed) errors.push_back("unterminated string: " + text);
      out.push_back({Token::String, text, 0});
    } else if (isIdentStart(c)) {
      size_t j = i;
      while (j < s.size() && (isIdentStart(s[j]) || isDigit(s[j]))) ++j;
      out.push_back({Token::Ident, s.substr(i, j - i), 0});
      i = j;
    } else if (isDigit(c)) {
      size_t j = i;
      while (j < s.size() && (isIdentStart(s[j]) || isDigit(s[j]))) ++j;
      std::string num = s.substr(i, j - i);
      while (!num.empty() && (num.back() == 'L' || num.back() == 'l' || num.back() == 'U' || num.back() == 'u'))
        num.pop_back();
      try {
        size_t used = 0;
        long v = std::stol(num, &used, 0);
        if (used != num.size()) throw std::invalid_argument(num);
        out.push_back({Token::Number, num, v});
      } catch (const std::exception&) {
        errors.push_back("bad number: " + s.substr(i, j - i));
      }
      i = j;
    } else {
      out.push_back({Token::Punct, std::string(1, c), 0});
      ++i;
    }
  }
  return out;
}

// Removes // and /* */ comments outside string literals.
inline std::string stripComments(const std::string& src) {
  std::string out;
  bool inString = false, inBlock = false;
  for (size_t i = 0; i < src.size(); ++i) {
    char c = src[i];
    if (inBlock) {
      if (c == '*' && i + 1 < src.size() && src[i + 1] == '/') {
        inBlock = false;
        ++i;
      } else if (c == '\n') {
        out += c;
      }
      continue;
    }
    if (inString) {
      out += c;
      if (c == '"') inString = false;  // "" reopens at once: harmless
      if (c == '\n') inString = false;
      continue;
    }
    if (c == '"') {
      inString = true;
      out += c;
    } else if (c == '/' && i + 1 < src.size() && src[i + 1] == '/') {
      while (i < src.size() && src[i] != '\n') ++i;
      out += '\n';
    } else if (c == '/' && i + 1 < src.size() && src[i + 1] == '*') {
      inBlock = true;
      ++i;
    } else {
      out += c;
    }
  }
  return out;
}

struct Macro {
  bool function = false;
  std::vector<std::string> params;
  std::vector<Token> body;
};

class Preprocessor {
 public:
  Preprocessor(std::string root, std::vector<std::string>& errors) : root_(std::move(root)), errors_(errors) {}

  bool readFile(const std::string& relPath) {
    std::ifstream in(root_ + "/" + relPath, std::ios::binary);
    if (!in) {
      errors_.push_back("cannot read " + relPath);
      return false;
    }
    std::stringstream ss;
    ss << in.rdbuf();
    std::string text = stripComments(ss.str());
    // join continuation lines
    std::vector<std::string> lines;
    std::string cur;
    std::istringstream ls(text);
    std::string line;
    while (std::getline(ls, line)) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (!line.empty() && line.back() == '\\') {
        line.pop_back();
        cur += line + " ";
        continue;
      }
      lines.push_back(cur + line);
      cur.clear();
    }
    if (!cur.empty()) lines.push_back(cur);

    std::vector<bool> active{true};
    for (const std::string& l : lines) {
      size_t p = l.find_first_not_of(" \t");
      if (p != std::string::npos && l[p] == '#') {
        directive(l.substr(p + 1), active);
        continue;
      }
      if (!active.back()) continue;
      std::vector<Token> t = tokenize(l, errors_);
      body_.insert(body_.end(), t.begin(), t.end());
    }
    if (active.size() != 1) errors_.push_back("unbalanced #if in " + relPath);
    return true;
  }

  const std::map<std::string, Macro>& macros() const { return macros_; }

  // A value that the system headers, which are not read, would give.
  void define(const std::string& name, long value) {
    macros_[name] = Macro{false, {}, {Token{Token::Number, std::to_string(value), value}}};
  }

  std::vector<Token> expanded() {
    std::set<std::string> busy;
    return expand(body_, busy, 0);
  }

 private:
  void directive(const std::string& d, std::vector<bool>& active) {
    std::vector<Token> t = tokenize(d, errors_);
    if (t.empty()) return;
    const std::string& kw = t[0].text;
    if (kw == "endif") {
      if (active.size() > 1) active.pop_back();
      else errors_.push_back("#endif without #if");
      return;
    }
    if (kw == "else") {
      if (active.size() > 1) {
        bool outer = active[active.size() - 2];
        active.back() = outer && !active.back();
      }
      return;
    }
    if (kw == "ifdef" || kw == "ifndef") {
      bool defined = t.size() > 1 && macros_.count(t[1].text);
      active.push_back(active.back() && (kw == "ifdef" ? defined : !defined));
      return;
    }
    if (!active.back()) return;
    if (kw == "pragma") return;
    if (kw == "include") {
      if (t.size() > 1 && t[1].kind == Token::String) readFile(t[1].text);  // <...> system headers are not read
      return;
    }
    if (kw == "define" && t.size() > 1) {
      Macro m;
      size_t nameAt = d.find(t[1].text);
      size_t after = nameAt + t[1].text.size();
      size_t i = 2;
      if (after < d.size() && d[after] == '(') {  // function-like: '(' right after the name
        m.function = true;
        for (i = 3; i < t.size() && t[i].text != ")"; ++i)
          if (t[i].kind == Token::Ident) m.params.push_back(t[i].text);
        ++i;
      }
      m.body.assign(t.begin() + long(std::min(i, t.size())), t.end());
      macros_[t[1].text] = m;
      return;
    }
    errors_.push_back("directive not understood: #" + d);
  }

  std::vector<Token> expand(const std::vector<Token>& in, std::set<std::string>& busy, int depth) {
    std::vector<Token> out;
    if (depth > 32) {
      errors_.push_back("macro expansion too deep");
      return out;
    }
    for (size_t i = 0; i < in.size(); ++i) {
      const Token& tok = in[i];
      auto it = tok.kind == Token::Ident ? macros_.find(tok.text) : macros_.end();
      if (it == macros_.end() || busy.count(tok.text)) {
        out.push_back(tok);
        continue;
      }
      const Macro& m = it->second;
      std::vector<Token> replaced;
      if (m.function) {
        if (i + 1 >= in.size() || in[i + 1].text != "(") {
          out.push_back(tok);
          continue;
        }
        std::vector<std::vector<Token>> args(1);
        int level = 0;
        size_t j = i + 2;
        for (; j < in.size(); ++j) {
          const std::string& x = in[j].kind == Token::Punct ? in[j].text : std::string();
          if (x == "(") ++level;
          if (x == ")" && level-- == 0) break;
          if (x == "," && level == 0) {
            args.emplace_back();
            continue;
          }
          args.back().push_back(in[j]);
        }
        if (j >= in.size()) {
          errors_.push_back("unclosed call of " + tok.text);
          return out;
        }
        if (args.size() != m.params.size() && !(m.params.empty() && args.size() == 1 && args[0].empty()))
          errors_.push_back("wrong number of arguments for " + tok.text);
        for (const Token& b : m.body) {
          size_t k = 0;
          while (k < m.params.size() && !(b.kind == Token::Ident && b.text == m.params[k])) ++k;
          if (k < m.params.size() && k < args.size()) {
            std::vector<Token> a = expand(args[k], busy, depth + 1);
            replaced.insert(replaced.end(), a.begin(), a.end());
          } else {
            replaced.push_back(b);
          }
        }
        i = j;
      } else {
        replaced = m.body;
      }
      busy.insert(tok.text);
      std::vector<Token> e = expand(replaced, busy, depth + 1);
      busy.erase(tok.text);
      out.insert(out.end(), e.begin(), e.end());
    }
    return out;
  }

  std::string root_;
  std::vector<std::string>& errors_;
  std::map<std::string, Macro> macros_;
  std::vector<Token> body_;
};

// Integer expression over numbers and + - * / | & ~ ( ); no names allowed.
class Expr {
 public:
  explicit Expr(const std::vector<Token>& t) : t_(t) {}
  std::optional<long> value() {
    std::optional<long> v = orExpr();
    if (!v || i_ != t_.size()) return std::nullopt;
    return v;
  }

 private:
  bool is(const char* p) const { return i_ < t_.size() && t_[i_].kind == Token::Punct && t_[i_].text == p; }
  std::optional<long> orExpr() {
    auto v = andExpr();
    while (v && is("|")) {
      ++i_;
      auto r = andExpr();
      if (!r) return std::nullopt;
      v = *v | *r;
    }
    return v;
  }
  std::optional<long> andExpr() {
    auto v = sum();
    while (v && is("&")) {
      ++i_;
      auto r = sum();
      if (!r) return std::nullopt;
      v = *v & *r;
    }
    return v;
  }
  std::optional<long> sum() {
    auto v = product();
    while (v && (is("+") || is("-"))) {
      bool plus = is("+");
      ++i_;
      auto r = product();
      if (!r) return std::nullopt;
      v = plus ? *v + *r : *v - *r;
    }
    return v;
  }
  std::optional<long> product() {
    auto v = unary();
    while (v && (is("*") || is("/"))) {
      bool times = is("*");
      ++i_;
      auto r = unary();
      if (!r || (!times && *r == 0)) return std::nullopt;
      v = times ? *v * *r : *v / *r;
    }
    return v;
  }
  std::optional<long> unary() {
    if (is("-")) {
      ++i_;
      auto v = unary();
      return v ? std::optional<long>(-*v) : std::nullopt;
    }
    if (is("~")) {
      ++i_;
      auto v = unary();
      return v ? std::optional<long>(~*v) : std::nullopt;
    }
    if (is("(")) {
      ++i_;
      auto v = orExpr();
      if (!v || !is(")")) return std::nullopt;
      ++i_;
      return v;
    }
    if (i_ < t_.size() && t_[i_].kind == Token::Number) return t_[i_++].value;
    return std::nullopt;
  }

  const std::vector<Token>& t_;
  size_t i_ = 0;
};

inline std::string joined(const std::vector<Token>& t) {
  std::string s;
  for (const Token& k : t) s += (s.empty() ? "" : " ") + k.text;
  return s;
}

class Parser {
 public:
  Parser(const std::vector<Token>& t, Script& out) : t_(t), out_(out) {}

  void run() {
    while (i_ < t_.size()) statement();
  }

 private:
  const Token* peek(size_t ahead = 0) const { return i_ + ahead < t_.size() ? &t_[i_ + ahead] : nullptr; }
  bool isWord(const Token* k, const char* w) const { return k && k->kind == Token::Ident && k->text == w; }
  void error(const std::string& what) {
    out_.errors.push_back(what);
    i_ = t_.size();  // stop: everything after a parse error is suspect
  }

  static bool isTopKeyword(const std::string& s) {
    static const std::set<std::string> k{"ICON", "MENU", "MENUEX", "DIALOG", "DIALOGEX", "VERSIONINFO",
                                         "STRINGTABLE", "LANGUAGE", "BITMAP", "CURSOR", "RCDATA", "ACCELERATORS"};
    return k.count(s) > 0;
  }

  long number(const std::vector<Token>& expr, const std::string& what) {
    std::optional<long> v = Expr(expr).value();
    if (!v) {
      out_.errors.push_back(what + " is not a number: " + joined(expr));
      return 0;
    }
    return *v;
  }

  // Comma-separated fields up to (not including) a token for which `stop` holds at paren depth 0.
  template <class Stop>
  std::vector<std::vector<Token>> fields(Stop stop) {
    std::vector<std::vector<Token>> f(1);
    int level = 0;
    while (i_ < t_.size()) {
      const Token& k = t_[i_];
      if (level == 0 && stop(k)) break;
      if (k.kind == Token::Punct && k.text == "(") ++level;
      if (k.kind == Token::Punct && k.text == ")") --level;
      if (level == 0 && k.kind == Token::Punct && k.text == ",") {
        f.emplace_back();
        ++i_;
        continue;
      }
      f.back().push_back(k);
      ++i_;
    }
    return f;
  }

  void skipBlock() {  // from BEGIN to its END
    int level = 0;
    while (i_ < t_.size()) {
      const Token& k = t_[i_++];
      if (k.kind == Token::Ident && (k.text == "BEGIN" || k.text == "{")) ++level;
      if (k.kind == Token::Punct && k.text == "{") ++level;
      if ((k.kind == Token::Ident && k.text == "END") || (k.kind == Token::Punct && k.text == "}")) {
        if (--level == 0) return;
      }
    }
    error("block without END");
  }

  void statement() {
    const Token* first = peek();
    if (isWord(first, "LANGUAGE")) {  // LANGUAGE <language>, <sub-language>
      i_ += 4;
      return;
    }
    if (isWord(first, "STRINGTABLE")) {
      while (i_ < t_.size() && !isWord(peek(), "BEGIN")) ++i_;
      skipBlock();
      return;
    }
    // <name> <type> ...
    std::vector<Token> nameExpr;
    while (i_ < t_.size() && !(t_[i_].kind == Token::Ident && isTopKeyword(t_[i_].text))) nameExpr.push_back(t_[i_++]);
    if (i_ >= t_.size()) {
      if (!nameExpr.empty()) error("text after the last statement: " + joined(nameExpr));
      return;
    }
    std::string type = t_[i_++].text;
    long id = 0;
    std::optional<long> v = Expr(nameExpr).value();
    if (v) {
      id = *v;
    } else if (type != "VERSIONINFO") {
      out_.unresolvedIds.push_back(joined(nameExpr) + " (" + type + ")");
    }
    if (type == "ICON") {
      const Token* f = peek();
      if (!f || f->kind != Token::String) return error("ICON without a file name");
      out_.icons.push_back({id, f->text});
      out_.strings.push_back(f->text);
      ++i_;
    } else if (type == "MENU") {
      Menu m;
      m.id = id;
      if (!isWord(peek(), "BEGIN")) return error("MENU without BEGIN");
      ++i_;
      m.items = menuItems();
      out_.menus.push_back(m);
    } else if (type == "DIALOG" || type == "DIALOGEX") {
      dialog(id);
    } else if (type == "VERSIONINFO") {
      while (i_ < t_.size() && !isWord(peek(), "BEGIN")) ++i_;
      skipBlock();
    } else {
      error("resource type not understood: " + type);
    }
  }

  std::vector<MenuItem> menuItems() {  // after BEGIN, up to and including END
    std::vector<MenuItem> items;
    auto stop = [](const Token& k) {
      return k.kind == Token::Ident &&
             (k.text == "MENUITEM" || k.text == "POPUP" || k.text == "END" || k.text == "BEGIN");
    };
    while (i_ < t_.size()) {
      const Token* k = peek();
      if (isWord(k, "END")) {
        ++i_;
        return items;
      }
      MenuItem item;
      if (isWord(k, "MENUITEM") && isWord(peek(1), "SEPARATOR")) {
        i_ += 2;
        item.separator = true;
      } else if (isWord(k, "MENUITEM") || isWord(k, "POPUP")) {
        item.popup = isWord(k, "POPUP");
        ++i_;
        std::vector<std::vector<Token>> f = fields(stop);
        if (f[0].size() != 1 || f[0][0].kind != Token::String) return error("menu text missing"), items;
        item.text = f[0][0].text;
        out_.strings.push_back(item.text);
        size_t opt = 1;
        if (!item.popup) {
          if (f.size() < 2) return error("menu item without ID: " + item.text), items;
          item.id = number(f[1], "menu ID of " + item.text);
          opt = 2;
        }
        for (; opt < f.size(); ++opt) item.options.push_back(joined(f[opt]));
        if (item.popup) {
          if (!isWord(peek(), "BEGIN")) return error("POPUP without BEGIN"), items;
          ++i_;
          item.items = menuItems();
        }
      } else {
        error("menu statement not understood: " + (k ? k->text : std::string("end of file")));
        return items;
      }
      items.push_back(item);
    }
    error("menu without END");
    return items;
  }

  static std::set<std::string> names(const std::vector<Token>& t) {
    std::set<std::string> s;
    for (const Token& k : t)
      if (k.kind == Token::Ident) s.insert(k.text);
    return s;
  }

  void dialog(long id) {
    Dialog d;
    d.id = id;
    auto stopAtKeyword = [](const Token& k) {
      return k.kind == Token::Ident &&
             (k.text == "STYLE" || k.text == "EXSTYLE" || k.text == "CAPTION" || k.text == "FONT" ||
              k.text == "BEGIN" || k.text == "MENU" || k.text == "CLASS");
    };
    std::vector<std::vector<Token>> rect = fields(stopAtKeyword);
    if (rect.size() < 4) return error("dialog without a rectangle");
    d.x = number(rect[0], "dialog x");
    d.y = number(rect[1], "dialog y");
    d.w = number(rect[2], "dialog width");
    d.h = number(rect[3], "dialog height");
    while (i_ < t_.size() && !isWord(peek(), "BEGIN")) {
      std::string kw = t_[i_++].text;
      std::vector<std::vector<Token>> f = fields(stopAtKeyword);
      if (kw == "STYLE") {
        d.style = names(f[0]);
      } else if (kw == "CAPTION") {
        if (f[0].size() != 1 || f[0][0].kind != Token::String) return error("CAPTION without text");
        d.caption = f[0][0].text;
        out_.strings.push_back(d.caption);
      } else if (kw == "FONT") {
        if (f.size() < 2 || f[1].size() != 1 || f[1][0].kind != Token::String) return error("FONT without face");
        d.fontSize = number(f[0], "font size");
        d.fontFace = f[1][0].text;
        if (f.size() >= 5) d.fontCharset = number(f[4], "font charset");
      } else if (kw != "EXSTYLE") {
        return error("dialog statement not understood: " + kw);
      }
    }
    if (i_ >= t_.size()) return error("dialog without BEGIN");
    ++i_;
    static const std::set<std::string> kinds{"LTEXT",        "RTEXT",     "CTEXT",          "EDITTEXT",
                                             "PUSHBUTTON",   "DEFPUSHBUTTON", "GROUPBOX",    "COMBOBOX",
                                             "LISTBOX",      "CONTROL",   "ICON",           "CHECKBOX",
                                             "AUTOCHECKBOX", "RADIOBUTTON", "AUTORADIOBUTTON", "SCROLLBAR"};
    auto stop = [](const Token& k) { return k.kind == Token::Ident && (kinds.count(k.text) || k.text == "END"); };
    while (i_ < t_.size() && !isWord(peek(), "END")) {
      const Token& k = t_[i_];
      if (k.kind != Token::Ident || !kinds.count(k.text)) return error("control not understood: " + k.text);
      ++i_;
      Control c;
      c.kind = k.text;
      std::vector<std::vector<Token>> f = fields(stop);
      size_t at = 0;
      auto need = [&](size_t n) {
        if (f.size() < n) out_.errors.push_back(c.kind + " with too few fields in dialog " + std::to_string(d.id));
        return f.size() >= n;
      };
      bool hasText = c.kind != "EDITTEXT" && c.kind != "COMBOBOX" && c.kind != "LISTBOX" && c.kind != "SCROLLBAR";
      if (!need(hasText ? 6 : 5)) return;
      if (hasText) {
        if (f[0].size() == 1 && f[0][0].kind == Token::String) {
          c.text = f[0][0].text;
          out_.strings.push_back(c.text);
        } else {
          c.text = joined(f[0]);  // an icon's resource name
        }
        at = 1;
      }
      c.id = number(f[at], "control ID in dialog " + std::to_string(d.id));
      ++at;
      if (c.kind == "CONTROL") {
        if (!need(8)) return;
        c.cls = f[2].size() == 1 ? f[2][0].text : joined(f[2]);
        c.style = names(f[3]);
        at = 4;
      }
      c.x = number(f[at], "x");
      c.y = number(f[at + 1], "y");
      c.w = number(f[at + 2], "width");
      c.h = number(f[at + 3], "height");
      if (c.kind != "CONTROL" && f.size() > at + 4) c.style = names(f[at + 4]);
      d.controls.push_back(c);
    }
    if (i_ >= t_.size()) return error("dialog without END");
    ++i_;
    out_.dialogs.push_back(d);
  }

  const std::vector<Token>& t_;
  Script& out_;
  size_t i_ = 0;
};

}  // namespace detail

// Reads `relPath` (relative to `root`, the folder that the script's own
// #include names are relative to).
inline Script read(const std::string& root, const std::string& relPath) {
  Script s;
  detail::Preprocessor pp(root, s.errors);
  pp.define("IDOK", 1);
  pp.define("IDCANCEL", 2);
  if (!pp.readFile(relPath)) return s;
  std::vector<Token> tokens = pp.expanded();
  detail::Parser(tokens, s).run();
  return s;
}

// The numeric #defines of a header, e.g. res/resource.h.
inline std::map<std::string, long> numericDefines(const std::string& root, const std::string& relPath,
                                                  std::vector<std::string>& errors) {
  detail::Preprocessor pp(root, errors);
  std::map<std::string, long> out;
  if (!pp.readFile(relPath)) return out;
  for (const auto& [name, m] : pp.macros()) {
    if (m.function) continue;
    std::optional<long> v = detail::Expr(m.body).value();
    if (v) out[name] = *v;
  }
  return out;
}

}  // namespace rc
