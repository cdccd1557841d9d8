# Bash completion for tovalo-cli.
_tovalo_cli() {
    local cur prev words cword
    _init_completion || return

    if [[ $cword -eq 1 ]]; then
        COMPREPLY=($(compgen -W 'convert count phone --help --version' -- "$cur"))
        return
    fi

    case $prev in
        --height | --lines | --margin | --width | --rule)
            return
            ;;
        --separator)
            COMPREPLY=($(compgen -W '1 2 3 4 5' -- "$cur"))
            return
            ;;
    esac

    local options
    case ${words[1]} in
        convert)
            options='--height --lines --fixed --margin --no-gap --separator --full-width
                     --no-shaping --vertical-forms --tate-chu-yoko --rule --crlf --sjis --help'
            ;;
        count)
            options='--height --full-width --no-shaping --vertical-forms --tate-chu-yoko --help'
            ;;
        phone)
            options='--height --width --no-breaks --rule --full-width --vertical-forms
                     --tate-chu-yoko --crlf --sjis --help'
            ;;
        *)
            return
            ;;
    esac

    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$options" -- "$cur"))
    else
        _filedir
    fi
} &&
    complete -F _tovalo_cli tovalo-cli
