Name: Patrol
Summary: A quiet patrol.
Description: Three ships hold the line.
Objective: Survive.
Code: <internal>
Forces: 
Federation Destroyer Hornet 0 0 90 2 <player> ()

