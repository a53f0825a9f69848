#include "cli/CompletionScripts.h"

#include <ostream>

#include "cli/Command.h"

namespace Cli {

namespace {

constexpr ValueKind kOperands[] = {ValueKind::Shell};

std::string Description() {
    return "Prints the completion script of the shell: commands, options, calendar codes, move steps, search "
           "targets and, after --place, the cities (which the script asks selvanor-cli cities for). cmake --install and the Debian package install the three scripts where the shells look; to "
           "try one without installing:\n\n"
           "  source <(selvanor-cli completion bash)\n"
           "  selvanor-cli completion fish | source\n"
           "  selvanor-cli completion zsh > ~/.zfunc/_selvanor-cli    (with ~/.zfunc in fpath before compinit)";
}

// The kinds whose words the scripts offer, with the name of their list in the scripts.
struct Kind {
    ValueKind kind;
    const char* name;
};
constexpr Kind kKinds[] = {
    {ValueKind::Calendar, "calendars"}, {ValueKind::LunarCalendar, "lunar"}, {ValueKind::Step, "steps"},
    {ValueKind::Target, "targets"},     {ValueKind::EclipseKind, "kinds"},   {ValueKind::LogFormat, "formats"},
    {ValueKind::Direction, "directions"}, {ValueKind::Shell, "shells"},    {ValueKind::Command, "commands"},
};

// The cities come from the system's time-zone database when the shell completes, not when the
// script is made: the scripts ask the program for them.
constexpr const char* kCities = "cities";
constexpr const char* kCitiesCommand = "selvanor-cli cities 2>/dev/null";

std::vector<std::string> Words(ValueKind kind) {
    if (kind != ValueKind::Command) return ChoicesOf(kind);
    std::vector<std::string> names;
    for (const CommandDef* command : Commands()) names.emplace_back(command->name);
    return names;
}

const char* NameOf(ValueKind kind) {
    for (const Kind& k : kKinds)
        if (k.kind == kind) return k.name;
    if (kind == ValueKind::Place) return kCities;
    return kind == ValueKind::File ? "file" : "";
}

// A word in single quotes for the shells (none of the lists holds a single quote).
std::string Single(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// The help of an option as a short description: its first sentence, without the characters
// zsh gives a meaning to in an option (quotes are taken care of by Single).
std::string Short(std::string_view help) {
    std::string text(help.substr(0, help.find(". ")));
    if (!text.empty() && text.back() == '.') text.pop_back();
    std::string clean;
    for (char c : text)
        if (c != '[' && c != ']' && c != ':' && c != '`' && c != '\\') clean += c;
    return clean;
}

std::string Join(const std::vector<std::string>& words, bool quote) {
    std::string text;
    for (const std::string& word : words) text += (text.empty() ? "" : " ") + (quote ? Single(word) : word);
    return text;
}

std::string Bash() {
    std::string s =
        "# bash completion for selvanor-cli (made by selvanor-cli completion bash)\n\n"
        "# The words of a list, one a line.\n"
        "_selvanor_cli_words() {\n"
        "    case $1 in\n";
    for (const Kind& kind : kKinds) s += "        " + std::string(kind.name) + ") printf '%s\\n' " + Join(Words(kind.kind), true) + " ;;\n";
    s += "        " + std::string(kCities) + ") " + kCitiesCommand + " ;;\n";
    s += "    esac\n"
         "}\n\n"
         "# The list of a command's option: an empty name when the option takes no value, none when its\n"
         "# value is free text.\n"
         "_selvanor_cli_value() {\n"
         "    case $1:$2 in\n";
    for (const CommandDef* command : Commands())
        for (const OptionDef& option : command->options)
            if (!option.value.empty())
                s += "        " + std::string(command->name) + ":" + std::string(option.name) + ") echo " +
                     (NameOf(option.kind)[0] ? NameOf(option.kind) : "none") + " ;;\n";
    s += "        *) return 1 ;;\n"
         "    esac\n"
         "}\n\n"
         "# The list of a command's operand number $2 (from 0).\n"
         "_selvanor_cli_operand() {\n"
         "    case $1 in\n";
    for (const CommandDef* command : Commands()) {
        if (command->operands.empty()) continue;
        s += "        " + std::string(command->name) + ") case $2 in";
        for (size_t i = 0; i < command->operands.size(); ++i) {
            const bool last = i + 1 == command->operands.size();
            s += std::string(" ") + (last && command->repeatOperands ? "*" : std::to_string(i)) + ") echo " +
                 (NameOf(command->operands[i])[0] ? NameOf(command->operands[i]) : "none") + " ;;";
        }
        s += " esac ;;\n";
    }
    s += "    esac\n"
         "}\n\n"
         "_selvanor_cli_options() {\n"
         "    case $1 in\n";
    for (const CommandDef* command : Commands()) {
        std::vector<std::string> names;
        for (const OptionDef& option : command->options) names.emplace_back(option.name);
        names.emplace_back("--help");
        s += "        " + std::string(command->name) + ") printf '%s\\n' " + Join(names, false) + " ;;\n";
    }
    s += "    esac\n"
         "}\n\n"
         "_selvanor_cli() {\n"
         "    local cur words cword list= word i operand=0 ended= IFS=$'\\n'\n"
         "    # With bash-completion, --name=value and values with colons stay one word.\n"
         "    if declare -F _get_comp_words_by_ref >/dev/null; then\n"
         "        _get_comp_words_by_ref -n =: cur words cword\n"
         "    else\n"
         "        cur=${COMP_WORDS[COMP_CWORD]} words=(\"${COMP_WORDS[@]}\") cword=$COMP_CWORD\n"
         "    fi\n"
         "    COMPREPLY=()\n"
         "    if (( cword == 1 )); then\n"
         "        COMPREPLY=($(compgen -W \"$(_selvanor_cli_words commands; printf '%s\\n' --help --version)\" -- \"$cur\"))\n"
         "        return\n"
         "    fi\n"
         "    local command=${words[1]}\n"
         "    # Where the word stands: the value of an option, or which operand.\n"
         "    for (( i = 2; i < cword; i++ )); do\n"
         "        word=${words[i]}\n"
         "        if [[ -n $ended || $word != -* || $word == - || $word == -[0-9]* ]]; then\n"
         "            (( operand++ ))\n"
         "        elif [[ $word == -- ]]; then\n"
         "            ended=1\n"
         "        elif [[ $word != *=* ]] && list=$(_selvanor_cli_value \"$command\" \"$word\"); then\n"
         "            if (( i + 1 == cword )); then _selvanor_cli_reply \"$list\" \"$cur\" \"\"; return; fi\n"
         "            [[ -n $list ]] && (( i++ ))\n"
         "        fi\n"
         "    done\n"
         "    if [[ -z $ended && $cur == --*=* ]]; then\n"
         "        list=$(_selvanor_cli_value \"$command\" \"${cur%%=*}\") && _selvanor_cli_reply \"$list\" \"${cur#*=}\" \"${cur%%=*}=\"\n"
         "        return\n"
         "    fi\n"
         "    if [[ -z $ended && $cur == -* && $cur != -[0-9]* ]]; then\n"
         "        COMPREPLY=($(compgen -W \"$(_selvanor_cli_options \"$command\")\" -- \"$cur\"))\n"
         "        return\n"
         "    fi\n"
         "    list=$(_selvanor_cli_operand \"$command\" \"$operand\") && _selvanor_cli_reply \"$list\" \"$cur\" \"\"\n"
         "}\n\n"
         "# Offers the words of the list that begin with what is typed ($2, after the prefix $3), in any\n"
         "# case, as the program reads them; a word begun with a quote is matched without it.\n"
         "_selvanor_cli_reply() {\n"
         "    local list=$1 cur=$2 prefix=$3 quote= choice\n"
         "    case $list in\n"
         "        file) COMPREPLY=($(compgen -f -P \"$prefix\" -- \"$cur\")); compopt -o filenames 2>/dev/null; return ;;\n"
         "        none) return ;;\n"
         "    esac\n"
         "    if [[ $cur == [\\\"\\']* ]]; then quote=${cur:0:1}; cur=${cur:1}; fi\n"
         "    cur=${cur//\\\\/}\n"
         "    while IFS= read -r choice; do\n"
         "        [[ ${choice,,} == \"${cur,,}\"* ]] || continue\n"
         "        if [[ -n $quote ]]; then COMPREPLY+=(\"$choice\"); else COMPREPLY+=(\"$prefix$(printf '%q' \"$choice\")\"); fi\n"
         "    done < <(_selvanor_cli_words \"$list\")\n"
         "}\n\n"
         "complete -F _selvanor_cli selvanor-cli\n";
    return s;
}

// An _arguments action for a value kind.
std::string ZshAction(ValueKind kind) {
    if (kind == ValueKind::File) return "_files";
    if (kind == ValueKind::Place)
        return std::string("{local -a ") + kCities + "=(${(f)\"$(" + kCitiesCommand + ")\"}); compadd -a " + kCities + "}";
    const std::string name = NameOf(kind);
    return name.empty() ? " " : "{compadd -a " + name + "}";
}

std::string Zsh() {
    std::string s =
        "#compdef selvanor-cli\n"
        "# zsh completion for selvanor-cli (made by selvanor-cli completion zsh)\n\n"
        "_selvanor-cli() {\n";
    for (const Kind& kind : kKinds) s += "  local -a " + std::string(kind.name) + "=(" + Join(Words(kind.kind), true) + ")\n";
    s += "  local -a described=(\n";
    for (const CommandDef* command : Commands())
        s += "    " + Single(std::string(command->name) + ":" + Short(command->summary)) + "\n";
    s += "  )\n"
         "  if (( CURRENT == 2 )); then\n"
         "    _describe -t commands 'selvanor-cli command' described\n"
         "    compadd -- --help --version\n"
         "    return\n"
         "  fi\n"
         "  local command=$words[2]\n"
         "  shift words\n"
         "  (( CURRENT-- ))\n"
         "  case $command in\n";
    for (const CommandDef* command : Commands()) {
        s += "    (" + std::string(command->name) + ")\n      _arguments -S \\\n";
        for (const OptionDef& option : command->options) {
            std::string item = std::string(option.name) + (option.value.empty() ? "" : "=") + "[" + Short(option.help) + "]";
            if (!option.value.empty()) item += ":" + Short(option.value) + ":" + ZshAction(option.kind);
            s += "        " + Single(item) + " \\\n";
        }
        s += "        '(- *)'{-h,--help}'[This help]'";
        for (size_t i = 0; i < command->operands.size(); ++i) {
            const bool repeat = command->repeatOperands && i + 1 == command->operands.size();
            const ValueKind kind = command->operands[i];
            s += " \\\n        " +
                 Single((repeat ? std::string("*") : std::to_string(i + 1)) + ":" +
                        (NameOf(kind)[0] ? NameOf(kind) : "entry") + ":" + ZshAction(kind));
        }
        s += "\n      ;;\n";
    }
    s += "  esac\n"
         "}\n\n"
         "if [[ $zsh_eval_context[-1] == loadautofunc ]]; then\n"
         "  _selvanor-cli \"$@\"\n"
         "else\n"
         "  compdef _selvanor-cli selvanor-cli\n"
         "fi\n";
    return s;
}

std::string Fish() {
    std::string s =
        "# fish completion for selvanor-cli (made by selvanor-cli completion fish)\n\n"
        "complete -c selvanor-cli -f\n"
        "complete -c selvanor-cli -n __fish_use_subcommand -s h -l help -d 'The list of commands'\n"
        "complete -c selvanor-cli -n __fish_use_subcommand -l version -d 'The version'\n";
    for (const CommandDef* command : Commands())
        s += "complete -c selvanor-cli -n __fish_use_subcommand -a " + std::string(command->name) + " -d " +
             Single(Short(command->summary)) + "\n";
    for (const CommandDef* command : Commands()) {
        const std::string seen = "-n '__fish_seen_subcommand_from " + std::string(command->name) + "'";
        s += "\n";
        for (const OptionDef& option : command->options) {
            s += "complete -c selvanor-cli " + seen + " -l " + std::string(option.name.substr(2));
            if (option.kind == ValueKind::File)
                s += " -r -F";
            else if (option.kind == ValueKind::Place)
                s += std::string(" -x -a ") + Single(std::string("(") + kCitiesCommand + ")");
            else if (!option.value.empty())
                s += " -x" + (Words(option.kind).empty() ? std::string() : " -a " + Single(Join(Words(option.kind), true)));
            s += " -d " + Single(Short(option.help)) + "\n";
        }
        s += "complete -c selvanor-cli " + seen + " -s h -l help -d 'This help'\n";
        // The operands with a list: each offered until one of its words is on the line.
        std::string before;
        for (size_t i = 0; i < command->operands.size(); ++i) {
            const std::vector<std::string> words = Words(command->operands[i]);
            if (words.empty()) continue;
            std::string condition = "__fish_seen_subcommand_from " + std::string(command->name) + before;
            // The command's own name is on the line already ("help help").
            std::vector<std::string> others;
            for (const std::string& word : words)
                if (word != command->name) others.push_back(word);
            if (!(command->repeatOperands && i + 1 == command->operands.size()))
                condition += "; and not __fish_seen_subcommand_from " + Join(others, true);
            s += "complete -c selvanor-cli -n " + Single(condition) + " -a " + Single(Join(words, true)) + "\n";
            before += "; and __fish_seen_subcommand_from " + Join(words, true);
        }
    }
    return s;
}

}  // namespace

const CommandDef& CompletionCommand() {
    static const CommandDef definition{"completion", "bash|zsh|fish", "The shell completion script of bash, zsh or fish",
                                  {}, kOperands, false, Description};
    return definition;
}

std::optional<std::string> CompletionScript(const std::string& shell) {
    if (shell == "bash") return Bash();
    if (shell == "zsh") return Zsh();
    if (shell == "fish") return Fish();
    return std::nullopt;
}

int RunCompletion(std::vector<std::string> args, std::ostream& out, std::ostream& err) {
    const CommandDef& command = CompletionCommand();
    CommandLine line;
    if (const auto status = ReadCommandLine(command, args, out, err, line)) return *status;
    const auto script = line.operands.size() == 1 ? CompletionScript(line.operands[0]) : std::nullopt;
    if (!script) return UsageError(command, "give one shell: " + ChoiceList(ValueKind::Shell), err);
    out << *script;
    return kDone;
}

}  // namespace Cli
