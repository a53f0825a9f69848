#!/usr/bin/env bash
# The completion scripts as the shells load them: each made by the build loads without a word on
# standard error in bash, zsh and fish, and bash and fish offer the program's own commands,
# options and lists (zsh is only loaded: its completion needs a terminal).
# Usage: completion_test.sh FOLDER (with bash/selvanor-cli, zsh/_selvanor-cli, fish/selvanor-cli.fish)
#        PROGRAM_FOLDER (where selvanor-cli is, for the cities) ZONEINFO (a time-zone database)
set -u
folder=$1
export PATH="$2:$PATH" TZDIR=$3
failures=0
fail() { echo "$*"; failures=$((failures + 1)); }

# bash, as bash-completion loads it, and without bash-completion too. The words of a row are
# those bash hands over, quotes and backslashes kept, separated by ";".
errors=$(mktemp)
trap 'rm -f "$errors"' EXIT
for loader in /usr/share/bash-completion/bash_completion /dev/null; do
  while IFS='|' read -r line expected; do
    got=$(bash --norc --noprofile -c '
      source "$1" 2>/dev/null; source "$2" 2>"$4"
      IFS=";" read -ra words <<< "$3"; [[ $3 == *";" ]] && words+=("")
      COMP_LINE="${words[*]}" COMP_POINT=${#COMP_LINE} COMP_WORDS=("${words[@]}") COMP_CWORD=$(( ${#words[@]} - 1 ))
      _selvanor_cli; printf "%s," "${COMPREPLY[@]}"' _ "$loader" "$folder/bash/selvanor-cli" "$line" "$errors")
    [ "$got" = "$expected" ] || fail "bash ($loader) '$line': got '$got', expected '$expected'"
    [ ! -s "$errors" ] || fail "bash: $(cat "$errors")"
  done <<'ROWS'
selvanor-cli;ec|eclipses,
selvanor-cli;eclipses;--k|--kind,
selvanor-cli;eclipses;--kind;total|Total\ lunar\ eclipse,Total\ or\ partial\ lunar\ eclipse,Total\ solar\ eclipse,
selvanor-cli;lunation;--calendar;|ARC,VO,DVG,LLT,QLW,
selvanor-cli;ics;--from;2025-01-01 CE;--calendar;q|QLW,
selvanor-cli;search;next;"Half|Half moon (1st quarter),Half moon (last quarter),
selvanor-cli;search;|next,previous,
selvanor-cli;move;--step;1\ QLW\ m|1\ QLW\ month,
selvanor-cli;convert;--entry-calendar;a|ARC,AJD,
selvanor-cli;convert;--;--|,
selvanor-cli;help;lu|lunation,
selvanor-cli;completion;f|fish,
selvanor-cli;riseset;--place;bue|Buenos\ Aires\ \(Argentina\),
ROWS
done
# bash-completion keeps --name=value one word.
got=$(bash --norc --noprofile -c 'source /usr/share/bash-completion/bash_completion; source "$1"
  COMP_LINE="selvanor-cli lunation --calendar=l" COMP_POINT=34
  COMP_WORDS=(selvanor-cli lunation --calendar = l) COMP_CWORD=4; _selvanor_cli; printf "%s," "${COMPREPLY[@]}"' _ \
  "$folder/bash/selvanor-cli")
[ "$got" = "--calendar=LLT," ] || fail "bash --calendar=l: got '$got'"

# zsh: the function loads through compinit, both autoloaded from fpath and sourced, and offers
# the lists in an interactive shell (on a pseudo-terminal) when Tab is pressed.
out=$(zsh -f -c 'fpath=("$1" $fpath); autoload -Uz compinit; compinit -u -D
  print -r -- ${_comps[selvanor-cli]}' _ "$folder/zsh" 2>&1)
[ "$out" = "_selvanor-cli" ] || fail "zsh from fpath: '$out'"
out=$(zsh -f -c 'autoload -Uz compinit; compinit -u -D; source "$1"; print -r -- ${_comps[selvanor-cli]}' _ \
  "$folder/zsh/_selvanor-cli" 2>&1)
[ "$out" = "_selvanor-cli" ] || fail "zsh sourced: '$out'"
while IFS='|' read -r line expected; do
  got=$(zsh -f -c 'zmodload zsh/zpty
    zpty shell "zsh -f -i"
    zpty -w shell "fpath=($1 \$fpath); autoload -Uz compinit; compinit -u -D; LISTMAX=1000"
    zpty -w -n shell "$2"$'"'"'\t'"'"'
    output= chunk=
    for i in {1..100}; do
      while zpty -r -t shell chunk; do output+=$chunk; done
      [[ $output == *"$3"* ]] && break
      sleep 0.1
    done
    zpty -d shell
    [[ $output == *"$3"* ]] && print found' _ "$folder/zsh" "$line" "$expected" 2>&1)
  [ "$got" = "found" ] || fail "zsh '$line': '$expected' not offered"
done <<'ROWS'
selvanor-cli lunation --calendar |QLW
selvanor-cli eclipses --kind |Total\ or\ partial\ lunar\ eclipse
selvanor-cli search next |Half\ moon\ \(last\ quarter\)
selvanor-cli ics --ph|--phases
selvanor-cli eclipses --place Bue|Buenos\ Aires\ \(Argentina\)
ROWS

# fish: complete -C asks for the completions of a command line.
while IFS='|' read -r line expected; do
  got=$(fish --no-config -c 'source $argv[1]; and complete -C $argv[2] | cut -f1 | string join ,' \
    "$folder/fish/selvanor-cli.fish" "$line" 2>&1)
  [ "$got" = "$expected" ] || fail "fish '$line': got '$got', expected '$expected'"
done <<'ROWS'
selvanor-cli lunation --calendar |ARC,DVG,LLT,QLW,VO
selvanor-cli eclipses --kind Total|Total lunar eclipse,Total or partial lunar eclipse,Total solar eclipse
selvanor-cli search |next,previous
selvanor-cli search previous Coin|Coincidence of 1sts of month
selvanor-cli ics --ph|--phases
selvanor-cli help sa|saros
selvanor-cli search --place Chi|Chicago (United States)
ROWS

[ "$failures" -eq 0 ]
