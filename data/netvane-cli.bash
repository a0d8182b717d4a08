# bash completion for netvane-cli
_netvane_cli() {
  local cur prev words cword
  _init_completion || return

  local subcommands="scan status connect profiles stats radio about"
  local sub="" i
  for ((i = 1; i < cword; i++)); do
    case "${words[i]}" in
      --instance) ((i++)) ;;
      -*) ;;
      *) sub="${words[i]}"; break ;;
    esac
  done

  case "$prev" in
    --instance)
      local uid dir
      uid=$(id -u)
      if [[ -n $XDG_RUNTIME_DIR ]]; then
        dir="$XDG_RUNTIME_DIR/netvane"
      elif [[ -d /run/user/$uid && -O /run/user/$uid ]]; then
        dir="/run/user/$uid/netvane"
      else
        dir="/tmp/netvane-$uid"
      fi
      local names
      names=$(cd "$dir/services/CardBusWirelessDriver" 2>/dev/null && ls -- *.sock 2>/dev/null | sed 's/\.sock$//')
      COMPREPLY=($(compgen -W "$names" -- "$cur"))
      return ;;
    --key-file) _filedir; return ;;
    --auth) COMPREPLY=($(compgen -W "open shared" -- "$cur")); return ;;
    --wep-index) COMPREPLY=($(compgen -W "1 2 3 4" -- "$cur")); return ;;
    --wait | --interval) return ;;
  esac

  local opts
  case "$sub" in
    "") opts="--instance --version --help $subcommands" ;;
    scan | about) opts="--json --help" ;;
    status) opts="--interval --json --help" ;;
    stats) opts="--reset --json --help" ;;
    radio) opts="on off --help" ;;
    profiles) opts="list activate delete --wait --json --help" ;;
    connect) opts="--key-file --ask --wep-index --auth --hidden --wait --help" ;;
  esac
  COMPREPLY=($(compgen -W "$opts" -- "$cur"))
} && complete -F _netvane_cli netvane-cli
