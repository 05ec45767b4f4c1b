#!/usr/bin/env bash
# Regular turns of two people: the deal's terrain, the roll with its dice and markers, card
# production followed on the screen, "Handeln" with a bank trade, "Bauen" with a road, and
# "Naechster". The board is dealt at random, so the test reads the terrain from the screen
# and keeps its own account of every player's cards from the roll markers.
. "$(dirname "$0")/lib.sh"

max_rounds=${QV_ROUNDS:-20}
kinds=(- wood wool grain ore clay)
card_x=(0 250 300 350 400 450) # the current player's card counts in the status line
card_cell() { echo "${card_x[$1]}" 988 $((card_x[$1] + 30)) 1016; }
out_count_y=(0 349 425 503 579 657) # count rows of the trade dialog
outgoing_cell() { echo 728 $((out_count_y[$1] - 22)) 765 $((out_count_y[$1] + 4)); }
incoming_cell() { echo 522 $((out_count_y[$1] - 22)) 560 $((out_count_y[$1] + 4)); }

game_start || finish
start_two_humans
press_key n F4 # numbers hidden and no lighting: the tile centres show their terrain alone
shot board
press_key F4
declare -A kind_count
for t in $(seq 0 18); do
    kind[$t]=$(tile_kind board "$t")
    kind_count[${kind[$t]}]=$((${kind_count[${kind[$t]}]:-0} + 1))
done
log "terrain of tiles 0-18: ${kind[*]}"
check "the deal: 19 tiles, 4 forest, 4 pasture, 4 field, 3 mountain, 3 clay, 1 desert" \
    [ "${kind_count[1]:-0}${kind_count[2]:-0}${kind_count[3]:-0}${kind_count[4]:-0}${kind_count[5]:-0}${kind_count[6]:-0}${kind_count[0]:-0}" = 4443310 ]

# The opening spots chosen from the deal, so that the turns to come can trade and build: in
# seat order each player takes the free inland spot that gives it the most tiles of one kind,
# with a forest and a clay pit among its tiles first of all.
declare -A kinds_at
for s in $(seq 0 53); do
    read -r -a at <<<"$("$QV_PROBE" spot-tiles "$s")"
    [ "${#at[@]}" = 3 ] && kinds_at[$s]="${kind[${at[0]}]} ${kind[${at[1]}]} ${kind[${at[2]}]}"
done
owned=([1]="" [2]="") blocked=" "
for i in 0 1 2 3; do
    p=$((i % 2 + 1)) best="" best_score=-1
    for s in "${!kinds_at[@]}"; do
        grep -qw "$s" <<<"$blocked" && continue
        all="${owned[$p]} ${kinds_at[$s]}" most=0 score=0
        for k in 1 2 3 4 5; do
            n=$(grep -ow "$k" <<<"$all" | wc -l)
            [ "$n" -gt "$most" ] && most=$n
        done
        grep -qw 1 <<<"$all" && grep -qw 5 <<<"$all" && score=100
        score=$((score + most))
        [ "$score" -gt "$best_score" ] && best=$s best_score=$score
    done
    opening_spots[$i]=$best
    opening_edges[$i]=$("$QV_PROBE" spot-edges "$best" | awk '{print $1}')
    owned[$p]="${owned[$p]} ${kinds_at[$best]}"
    blocked="$blocked $best $("$QV_PROBE" spot-neighbours "$best")"
done
log "opening spots ${opening_spots[*]}, edges ${opening_edges[*]}"
play_opening
shot opened
check "after the opening player 1 is on turn" on_turn opened 1

# Every player's cards as the rules should have paid them, and who owns what.
declare -A cards
for p in 1 2; do for k in 1 2 3 4 5; do cards[$p,$k]=0; done; done
spots_of=([1]="${opening_spots[0]} ${opening_spots[2]}" [2]="${opening_spots[1]} ${opening_spots[3]}")
roads_of=([1]="${opening_edges[0]} ${opening_edges[2]}" [2]="${opening_edges[1]} ${opening_edges[3]}")

pay_roll() { # pay_roll BEFORE AFTER: credits the marked tiles; sets marked to them
    local t p s
    marked=$("$QV_PROBE" markers "$out/$1.ppm" "$out/$2.ppm")
    for t in $marked; do
        [ "${kind[$t]}" -ge 1 ] && [ "${kind[$t]}" -le 5 ] || continue
        for p in 1 2; do
            for s in ${spots_of[$p]}; do
                if grep -qw "$t" <<<"${tiles_of_spot[$s]}"; then
                    cards[$p,${kind[$t]}]=$((cards[$p,${kind[$t]}] + 1))
                fi
            done
        done
    done
}
declare -A tiles_of_spot
for s in "${opening_spots[@]}"; do tiles_of_spot[$s]=$("$QV_PROBE" spot-tiles "$s"); done
# The status line shows a count as "0" exactly when the account says none.
counts_agree() { # counts_agree SHOT PLAYER
    local k d ok=0
    for k in 1 2 3 4 5; do
        d=$(changed opened "$1" $(card_cell "$k") 40)
        if [ "${cards[$2,$k]}" -eq 0 ] && [ "$d" -gt 3 ]; then ok=1; fi
        if [ "${cards[$2,$k]}" -gt 0 ] && [ "$d" -le 3 ]; then ok=1; fi
    done
    return $ok
}
# Edges next to a player's buildings and roads, without a road on them.
road_candidates() { # road_candidates PLAYER
    local s e all=""
    for s in ${spots_of[$1]}; do all="$all $("$QV_PROBE" spot-edges "$s")"; done
    for e in ${roads_of[$1]}; do
        for s in $("$QV_PROBE" edge-spots "$e"); do all="$all $("$QV_PROBE" spot-edges "$s")"; done
    done
    for e in $all; do
        grep -qw "$e" <<<"${roads_of[1]} ${roads_of[2]}" || echo "$e"
    done | sort -un
}

traded=0 built=0 rolls=0 checked_markers=0 last=opened
p=1
for round in $(seq 1 "$max_rounds"); do
    for p in 1 2; do
        before=$last # the screen as the turn passed: no dice, no markers
        click_at panel 10 # "Wuerfeln"
        QV_PNG=0 shot "r${round}p${p}_rolled"
        rolls=$((rolls + 1))
        pay_roll "$before" "r${round}p${p}_rolled"
        nmarked=$(wc -w <<<"$marked")
        if [ "$nmarked" -lt 1 ] || [ "$nmarked" -gt 2 ]; then
            fail "roll $rolls: one or two tiles carry each number, but $nmarked markers show ($marked)"
        fi
        [ "$(changed "$before" "r${round}p${p}_rolled" 500 930 780 1015 40)" -ge 500 ] ||
            fail "roll $rolls: the dice do not show"
        counts_agree "r${round}p${p}_rolled" "$p" ||
            fail "roll $rolls: player $p's card counts disagree with the markers (account:$(for k in 1 2 3 4 5; do printf ' %s' "${cards[$p,$k]}"; done))"
        checked_markers=$((checked_markers + nmarked))

        pay=0
        if [ "$traded" = 0 ]; then
            for k in 1 2 3 4 5; do [ "${cards[$p,$k]}" -ge 4 ] && pay=$k && break; done
        fi
        if [ "$pay" -gt 0 ]; then
            want=1
            { [ "$pay" = 1 ] || [ "${cards[$p,1]}" -gt 0 ]; } && want=5
            log "round $round: player $p trades 4 ${kinds[$pay]} for 1 ${kinds[$want]} at the bank"
            click_at panel 10 # "Handeln"
            shot trade_open
            check "Handeln opens the trade dialog (Incoming, Outgoing)" \
                at_least "$(count trade_open 480 235 790 265 255 255 77 40)" 60
            # The dice's faces are a warm white; the message line that takes their place is
            # pure white.
            check "opening the dialog hides the dice" \
                at_most "$(count trade_open 520 930 740 1012 240 238 228 12)" 100
            click_at panel $((29 + pay))  # pay with this kind
            click_at panel $((24 + want)) # plus: one card of that kind
            shot trade_offer
            check "the offer: ${kinds[$pay]} given" \
                at_least "$(changed trade_open trade_offer $(outgoing_cell "$pay") 40)" 10
            check "the offer: ${kinds[$want]} received" \
                at_least "$(changed trade_open trade_offer $(incoming_cell "$want") 40)" 10
            click_at panel 14 # "tauschen"
            shot traded
            check "after tauschen the offer is cleared" \
                at_most "$(changed trade_open traded 500 320 780 680 40)" 40
            check "the ${kinds[$pay]} count changed" \
                at_least "$(changed trade_open traded $(card_cell "$pay") 40)" 10
            check "the ${kinds[$want]} count changed" \
                at_least "$(changed trade_open traded $(card_cell "$want") 40)" 10
            cards[$p,$pay]=$((cards[$p,$pay] - 4))
            cards[$p,$want]=$((cards[$p,$want] + 1))
            check "the counts agree with the trade" counts_agree traded "$p"
            click_at panel 10 # "Bauen"
            shot building
            check "Bauen closes the dialog" \
                at_most "$(count building 480 235 790 265 255 255 77 40)" 5
            traded=1
        fi

        if [ "$built" = 0 ] && [ "${cards[$p,1]}" -ge 1 ] && [ "${cards[$p,5]}" -ge 1 ]; then
            if [ "$pay" = 0 ]; then
                click_at panel 10 # "Handeln"
                click_at panel 10 # "Bauen"
                shot building
            fi
            offered=""
            for e in $(road_candidates "$p"); do
                if [ "$(edge_pixels building "$p" "$e")" -ge 15 ]; then offered=$e; break; fi
            done
            if [ -z "$offered" ]; then
                fail "round $round: player $p holds wood and clay but no road is offered"
            else
                log "round $round: player $p builds a road on edge $offered"
                # shellcheck disable=SC2046
                click $(edge_xy "$offered")
                shot built
                check "the message line names the build (Spieler $p baut eine Strasse)" \
                    at_least "$(count built 528 936 802 1016 255 255 77 40)" 60
                roads_of[$p]="${roads_of[$p]} $offered"
                cards[$p,1]=$((cards[$p,1] - 1))
                cards[$p,5]=$((cards[$p,5] - 1))
                check "building the road took wood and clay" counts_agree built "$p"
                built=1
                built_edge=$offered built_by=$p
            fi
        fi

        click_at panel 11 # "Naechster"
        QV_PNG=0 shot "r${round}p${p}_passed"
        last="r${round}p${p}_passed"
        check "round $round: Naechster passes the turn to player $((3 - p))" \
            on_turn "r${round}p${p}_passed" $((3 - p))
        if [ "$built" = 1 ] && [ -n "${built_edge:-}" ]; then
            check "the new road of player $built_by stays after the turn" \
                at_least "$(edge_pixels "r${round}p${p}_passed" "$built_by" "$built_edge")" 15
            built_edge=""
        fi
    done
    [ "$traded" = 1 ] && [ "$built" = 1 ] && break
done
log "$rolls rolls, $checked_markers markers; cards: $(for q in 1 2; do for k in 1 2 3 4 5; do printf '%s ' "${cards[$q,$k]}"; done; printf '| '; done)"
check "a player held four of a kind within $max_rounds rounds and traded at the bank" [ "$traded" = 1 ]
check "a player held wood and clay within $max_rounds rounds and built a road" [ "$built" = 1 ]
finish
