# Bash completion of korain-cli: its commands, their options and .ko2 databases.
# SPDX-License-Identifier: GPL-3.0-or-later
_korain_cli() {
  local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}
  local commands="list dump load check legend draw resonance properties report ship resave copy copy-bulkheads import import-contour"
  if [[ $COMP_CWORD -eq 1 ]]; then
    mapfile -t COMPREPLY < <(compgen -W "$commands --help --version" -- "$cur")
    return
  fi
  case $prev in
    -o) mapfile -t COMPREPLY < <(compgen -f -- "$cur"); return ;;
    --paper) mapfile -t COMPREPLY < <(compgen -W "A4 A3 A2" -- "$cur"); return ;;
    --check) mapfile -t COMPREPLY < <(compgen -W "0 5 6 8 9 10 11 12" -- "$cur"); return ;;
  esac
  local options="--help"
  case ${COMP_WORDS[1]} in
    dump) options="--as-read - --help" ;;
    check) options="--json --help" ;;
    properties) options="--json --deduct --help" ;;
    draw) options="-o --size --show --check --title-block --normalised-scale --scale --paper --title --help" ;;
    report) options="-o --items --help" ;;
    import) options="--x --help" ;;
    copy-bulkheads) options="--bulkheads --help" ;;
    import-contour) options="--layer --bulkhead --help" ;;
  esac
  if [[ $cur == -* ]]; then
    mapfile -t COMPREPLY < <(compgen -W "$options" -- "$cur")
  elif [[ ${COMP_WORDS[1]} == load && $COMP_CWORD -eq 4 ]]; then
    mapfile -t COMPREPLY < <(compgen -f -X '!*.json' -- "$cur"; compgen -d -- "$cur")
  else
    mapfile -t COMPREPLY < <(compgen -f -X '!*.ko2' -- "$cur"; compgen -d -- "$cur")
  fi
}
complete -o filenames -F _korain_cli korain-cli
