// English descriptions of the seven memory types, one per band of activeness.
// One source line per text line, so that an editor can work on the wording directly.
#include "text/descriptions.hpp"

namespace mr {

// clang-format off
const DescriptionTable kEnglishDescriptions = {
    // Motorical type (sport)
    {
        // band 0
        u"About 5% :\r"
        u"Your coordination is weak, and every new movement takes real effort.\r"
        u"Learning through movement comes very slowly to you.\r"
        u"Top-level sport is clearly not the path for you.",
        // band 1
        u"About 10% :\r"
        u"Your body is slow to remember an exercise and quick to forget it.\r"
        u"Your capacity to learn through movement is low.\r"
        u"A sporting career is unlikely, but a morning workout won't hurt.",
        // band 2
        u"About 30% :\r"
        u"You master simple exercises, but complex sequences take long practice.\r"
        u"You learn through movement more slowly than most.\r"
        u"Sport can be a pleasant hobby for you, but not a profession.",
        // band 3
        u"About 35% :\r"
        u"You keep in shape easily, though your stamina sometimes runs short.\r"
        u"You learn movements almost as fast as most people.\r"
        u"Amateur competitions are as far as you are likely to go.",
        // band 4
        u"About 45% :\r"
        u"You have good coordination and a steady sense of balance.\r"
        u"You take up new sports and dance steps with ease.\r"
        u"You learn new movements at a normal pace.\r"
        u"You could well become a fitness instructor.",
        // band 5
        u"About 55% :\r"
        u"Your movements are precise and economical, and training pays off fast.\r"
        u"Team games bring you both joy and victories.\r"
        u"You pick up motor skills faster than most people.\r"
        u"You would make a good coach for a children's sports club.",
        // band 6
        u"About 65% :\r"
        u"Your motor memory is excellent: a movement you learned once\r"
        u"you can repeat flawlessly years later.\r"
        u"Your stamina and speed of reaction are above average.\r"
        u"You learn new techniques quickly and with pleasure.\r"
        u"The door to professional sport is open to you.",
        // band 7
        u"About 70% :\r"
        u"Strength, flexibility and agility are in perfect balance.\r"
        u"The hardest technical elements are well within your reach.\r"
        u"Learning by doing is your great strength.\r"
        u"A career as a top-class athlete awaits you.",
        // band 8
        u"About 90% :\r"
        u"A day without exercise leaves you restless and out of sorts.\r"
        u"You absorb new movements greedily, but resting is a skill you lack.\r"
        u"An Olympic medal is within reach, if your coach keeps you in check.",
        // band 9
        u"About 95% :\r"
        u"Your body craves constant exercise; a day off feels like wasted time.\r"
        u"Overwork is a real danger; remember that rest is part of training too.\r"
        u"You master any movement in a single attempt.\r"
        u"Stuntman or test pilot: those are the jobs for you.",
        // band 10
        u"About 100% :\r"
        u"You can’t sit still for a minute,\r"
        u"and other people get tired just watching you.\r"
        u"Inventors have been looking for you for centuries.\r"
        u"Aren’t you a \"Perpetuum Mobile\"?"
    },
    // Sensual type (music, the stage)
    {
        // band 0
        u"About 5% :\r"
        u"You rarely let your emotions show,\r"
        u"and even music leaves you cold.\r"
        u"Feelings and impressions teach you very little.\r"
        u"The stage is not your place, not even as an extra.",
        // band 1
        u"About 10% :\r"
        u"It’s hard for you to read other people’s feelings\r"
        u"and to show your own.\r"
        u"A tune rarely stays in your head for long.\r"
        u"Emotions teach you little: you remember facts, not moods.\r"
        u"There’s little danger of a career as an actor or a singer.",
        // band 2
        u"About 30% :\r"
        u"Melodies are hard for you to remember, and your ear needs training.\r"
        u"You prefer to keep your feelings to yourself.\r"
        u"Learning through feelings comes harder to you than to most.\r"
        u"The role of an appreciative listener suits you better than the stage.",
        // band 3
        u"About 35% :\r"
        u"You feel things deeply,\r"
        u"but you can't always let others see it.\r"
        u"You gladly sing along to your favourite songs, if not always in time.\r"
        u"Learning through feelings is just below the norm.\r"
        u"Amateur theatre, yes; the big stage, hardly.",
        // band 4
        u"About 45% :\r"
        u"Your emotional memory is good, and you have a trained ear for music.\r"
        u"Other people's moods are easy for you to sense.\r"
        u"Your emotional learning is quite normal.\r"
        u"You would make a good school music teacher.",
        // band 5
        u"About 55% :\r"
        u"You sense the mood of the person you are talking to\r"
        u"and can pass it on to others.\r"
        u"Music and theatre mean a great deal in your life.\r"
        u"You learn well through emotions and live impressions.\r"
        u"A career as a music critic would suit you well.",
        // band 6
        u"About 65% :\r"
        u"Your bright, emotional manner is catching: audiences feel it at once.\r"
        u"The stage does not frighten you; it inspires you.\r"
        u"Feelings are your best teacher: what moves you, you never forget.\r"
        u"Actor, singer or musician: choose whichever you love most.",
        // band 7
        u"About 70% :\r"
        u"A rare gift for transformation: you live any feeling as your own.\r"
        u"Music and drama are a second language to you, learned with ease.\r"
        u"The big stage awaits you: theatre, opera or pop music.",
        // band 8
        u"About 90% :\r"
        u"Feelings sweep you away, and your mood changes several times a day.\r"
        u"Stormy quarrels give way to equally stormy reconciliations.\r"
        u"A sad song can spoil your whole day.\r"
        u"Emotions teach you more than facts do, and they colour your judgement.\r"
        u"A talent for tragedy will steer your passions into the right channel.",
        // band 9
        u"About 95% :\r"
        u"You live at the limit of your emotions:\r"
        u"any trifle brings tears or delight.\r"
        u"Burnout and quarrels with the people close to you are real risks.\r"
        u"Feelings teach you too much: you remember every slight for years.\r"
        u"Try to keep some distance from your own emotions.\r"
        u"Opera diva or rock star: a role you play offstage as well.",
        // band 10
        u"About 100% :\r"
        u"Surely you're not a volcano of feelings? Passions flare at any excuse.\r"
        u"The Surgeon General warns:\r"
        u"\"Sudden mood swings are dangerous to your mental health!\""
    },
    // Imaging type (visual arts)
    {
        // band 0
        u"About 5% :\r"
        u"Your imagination is weak:\r"
        u"it’s hard for you to picture what isn’t in front of you.\r"
        u"Your ability to learn through images is very low.\r"
        u"You won’t become a painter, but you see things as they are.",
        // band 1
        u"About 10% :\r"
        u"Visual impressions fade from your memory quickly.\r"
        u"You notice colours and shapes only when someone points them out.\r"
        u"Pictures and diagrams don’t help you learn much.\r"
        u"A designer’s profession would hardly suit you.",
        // band 2
        u"About 30% :\r"
        u"Your imagination wakes up rarely and not for long.\r"
        u"You find it easier to copy a model\r"
        u"than to invent one of your own.\r"
        u"A picture stays with you as a whole, but its details slip away.\r"
        u"Your visual learning is below average.\r"
        u"Drawing can be a pleasant pastime, but it won’t be your profession.",
        // band 3
        u"About 35% :\r"
        u"Your visual memory is about average; faces stay with you well.\r"
        u"Your imagination, though, lacks daring.\r"
        u"Your visual learning is nearly normal.\r"
        u"You could manage a decorator's job, but not a painter's.",
        // band 4
        u"About 45% :\r"
        u"You have a good sense of colour and picture things in every detail.\r"
        u"You learn from pictures and models as well as most people.\r"
        u"Feel free to try your hand at interior design.",
        // band 5
        u"About 55% :\r"
        u"You have a rich imagination and a sharp eye.\r"
        u"People can't help looking at your drawings and photos.\r"
        u"Diagrams and models make learning easy for you.\r"
        u"You are a born illustrator or photographer.",
        // band 6
        u"About 65% :\r"
        u"Vivid images come easily, and you sense composition by instinct.\r"
        u"Your spatial thinking is excellent.\r"
        u"One look is often all it takes for you to learn something.\r"
        u"Architecture is your true calling.",
        // band 7
        u"About 70% :\r"
        u"Your visual memory is exceptional, your imagination bold.\r"
        u"You see the world as a canvas waiting for its painter.\r"
        u"A scene you saw years ago, you can still draw in detail.\r"
        u"You learn through images faster than through words.\r"
        u"Fame as a painter or a sculptor awaits you.",
        // band 8
        u"About 90% :\r"
        u"Your imagination never stops working,\r"
        u"and daydreams sometimes crowd out your everyday duties.\r"
        u"With your head in the clouds, you forget about deadlines.\r"
        u"Pictures teach you in a flash; dry texts only bore you.\r"
        u"Avant-garde painting or animation is the career for you.",
        // band 9
        u"About 95% :\r"
        u"You live in a world of your own images,\r"
        u"and reality seems grey and dull.\r"
        u"Others rarely grasp your ideas, and you rarely notice others.\r"
        u"You learn from images alone; plain words barely reach you.\r"
        u"Unrecognised genius is your fate, unless a good gallery owner finds you.",
        // band 10
        u"About 100% :\r"
        u"You see what nobody else can see.\r"
        u"Colours sound to you, and sounds take on colour.\r"
        u"Your dreams are more vivid than any film.\r"
        u"Just don't try to walk through a door you painted yourself!"
    },
    // Logical type (exact sciences)
    {
        // band 0
        u"About 5% :\r"
        u"Logical reasoning tires you by the second step.\r"
        u"You easily lose the thread of an argument.\r"
        u"Numbers and formulas worry you more than they interest you.\r"
        u"Learning through logic is very hard for you.\r"
        u"A career as a research mathematician is not for you.",
        // band 1
        u"About 10% :\r"
        u"You quickly lose track of a chain of arguments.\r"
        u"You solve problems by guesswork rather than by the rules.\r"
        u"Logical rules take a long time to sink in.\r"
        u"A career as a programmer is unlikely for you.",
        // band 2
        u"About 30% :\r"
        u"You handle simple logic, but long chains of reasoning confuse you.\r"
        u"You know your times tables by heart; fractions, less so.\r"
        u"Learning through logic is a little below par for you.\r"
        u"Working with figures will be a burden to you.",
        // band 3
        u"About 35% :\r"
        u"You seldom make mistakes when recalling a chain of logical steps.\r"
        u"Learning mathematics gives you no trouble.\r"
        u"Your logical learning is within the normal range.\r"
        u"Still, a teaching career is not your path.",
        // band 4
        u"About 45% :\r"
        u"Your thinking is consistent, and you know how to draw conclusions.\r"
        u"The exact sciences come to you without much effort.\r"
        u"You learn easily through logic and reasoning.\r"
        u"You would make a good engineer or economist.",
        // band 5
        u"About 55% :\r"
        u"Your logic is clear, and formulas stay firmly in your memory.\r"
        u"You easily break a complex problem into simple steps.\r"
        u"Your logical learning is well above average.\r"
        u"You would make an excellent programmer.",
        // band 6
        u"About 65% :\r"
        u"You have an analytical mind and reason with rare precision.\r"
        u"You spot a contradiction in any argument at once.\r"
        u"Your ability to learn through reasoning is excellent.\r"
        u"Analyst or mathematics teacher: the choice is yours.",
        // band 7
        u"About 70% :\r"
        u"Your logical thinking is brilliant.\r"
        u"You hold long chains of proof in your head\r"
        u"and can return to any link without a single error.\r"
        u"New branches of mathematics take you days, not years.\r"
        u"A research career in physics or mathematics is open to you.",
        // band 8
        u"About 90% :\r"
        u"You want to put everything in order and prove it,\r"
        u"even what needs no proof, a compliment included.\r"
        u"Your pedantry can be hard on the people close to you.\r"
        u"Learning by logic is effortless; anything illogical irritates you.\r"
        u"Try to leave some room for intuition.\r"
        u"Your place is in the theory department of a research institute.",
        // band 9
        u"About 95% :\r"
        u"Logic has taken over everything, even feelings and rest.\r"
        u"Even at night you go on solving problems in your head.\r"
        u"You soak up logic endlessly; overwork and stubbornness are the risks.\r"
        u"Professional chess player or cryptographer: that is your lot.",
        // band 10
        u"About 100% :\r"
        u"You check everything around you for consistency.\r"
        u"Even love, it seems, you derive from axioms.\r"
        u"Do you pass the \"I'm not a robot\" test on the first try?"
    },
    // Aiming type (advertising)
    {
        // band 0
        u"About 5% :\r"
        u"Your goals are vague, and your plans change with your mood.\r"
        u"Few of them survive to the end of the week.\r"
        u"You learn very little when working towards a set goal.\r"
        u"Advertising is not a field where you will succeed.",
        // band 1
        u"About 10% :\r"
        u"You probably lead a rather passive life.\r"
        u"Choosing the best way to pursue your aims is hard for you.\r"
        u"Structured learning does not come easily to you.\r"
        u"You are unlikely to make a living selling advertising.",
        // band 2
        u"About 30% :\r"
        u"You set goals, but give up at the first obstacle.\r"
        u"Structured learning is harder for you than for most.\r"
        u"An advertising agent's job would soon wear you out.",
        // band 3
        u"About 35% :\r"
        u"You reach your goals, though not by the shortest road.\r"
        u"Your ability to learn from a clear structure is nearly normal.\r"
        u"You could start as an assistant to an advertising manager.",
        // band 4
        u"About 45% :\r"
        u"You can pick out what matters and sense what others want.\r"
        u"Your capacity for structured learning is normal.\r"
        u"A career as an advertising agent is well within your reach.",
        // band 5
        u"About 55% :\r"
        u"You set clear goals and reach them on time.\r"
        u"You learn well when the material has a clear structure.\r"
        u"You would make a capable marketer.",
        // band 6
        u"About 65% :\r"
        u"You see the goal clearly\r"
        u"and know how to carry others along with you.\r"
        u"Anything with a clear structure sinks in quickly.\r"
        u"Running advertising campaigns is the role for you.",
        // band 7
        u"About 70% :\r"
        u"Determined and persuasive, you find the shortest road to a result\r"
        u"and can present any idea so that people want to buy it.\r"
        u"Structured learning is one of your strengths.\r"
        u"Success awaits you in an advertising agency of your own.",
        // band 8
        u"About 90% :\r"
        u"Reaching the goal becomes an end in itself.\r"
        u"You sacrifice rest and family for the sake of results.\r"
        u"Beware of burnout.\r"
        u"You learn fast, but only what serves the goal.\r"
        u"A large advertising group will value your drive.",
        // band 9
        u"About 95% :\r"
        u"You are obsessed with goals:\r"
        u"no sooner is one reached than you rush to the next.\r"
        u"People see you as a tireless sales machine,\r"
        u"and your family grows tired of being persuaded.\r"
        u"You learn with a greed that leaves room for nothing else.\r"
        u"Election campaigns are within your reach, but remember to rest.",
        // band 10
        u"About 100% :\r"
        u"Don't try to sell the Moon: there are no buyers for it yet!"
    },
    // Managing type (business)
    {
        // band 0
        u"About 5% :\r"
        u"You avoid responsibility and dislike making decisions.\r"
        u"Even your own day is hard for you to organise.\r"
        u"Rules and principles are very hard for you to learn.\r"
        u"A managerial post would bring you nothing but frustration.",
        // band 1
        u"About 10% :\r"
        u"Rules and routine seem alien to you,\r"
        u"and instructions from above feel like a burden.\r"
        u"Your ability to learn rules and principles is low.\r"
        u"Business is not your element.",
        // band 2
        u"About 30% :\r"
        u"You can organise your own work, but other people's is a struggle.\r"
        u"You pick up rules and principles more slowly than most.\r"
        u"You would be happier as a rank-and-file employee.",
        // band 3
        u"About 35% :\r"
        u"You keep to your principles,\r"
        u"but in an argument you usually give way.\r"
        u"Great responsibility weighs on you.\r"
        u"Principles and rules come to you nearly as easily as to most.\r"
        u"You could manage a small office.",
        // band 4
        u"About 45% :\r"
        u"You share out tasks confidently and see that they are done.\r"
        u"Colleagues trust your word.\r"
        u"You learn rules and principles as readily as most people.\r"
        u"You could well be put in charge of a department.",
        // band 5
        u"About 55% :\r"
        u"Firm principles and a talent for negotiation.\r"
        u"You quickly find common ground with partners.\r"
        u"Rules and principles are easy for you to learn.\r"
        u"A business of your own is a real prospect.",
        // band 6
        u"About 65% :\r"
        u"You see the whole system and run it with a steady hand.\r"
        u"Your staff value your fairness, and new rules come to you quickly.\r"
        u"A company director's chair awaits you.",
        // band 7
        u"About 70% :\r"
        u"Your talent for organisation is outstanding.\r"
        u"You know how to take calculated risks, and win.\r"
        u"You master the rules of any market with ease.\r"
        u"You have a future as a successful entrepreneur or banker.",
        // band 8
        u"About 90% :\r"
        u"You want to keep everything under your personal control\r"
        u"and find it hard to hand work over to others.\r"
        u"Firm principles turn into stubbornness.\r"
        u"Conflicts with partners and staff are likely.\r"
        u"Every rule you learn becomes a law you will not bend.\r"
        u"You could head a large corporation if you learn to share authority.",
        // band 9
        u"About 95% :\r"
        u"Work has swallowed you whole:\r"
        u"for the sake of business you forget about rest and family.\r"
        u"Any departure from the rules makes you lose your temper.\r"
        u"Overwork and quarrels at home are a real risk.\r"
        u"Your hunger for rules and procedures knows no bounds.\r"
        u"You are the very picture of a workaholic banker. Is success worth it?",
        // band 10
        u"About 100% :\r"
        u"Are your job descriptions for the whole of humanity ready yet?"
    },
    // Worldoutlooking type (science and religion)
    {
        // band 0
        u"About 5% :\r"
        u"The meaning of life and the order of the world do not concern you.\r"
        u"To you, science is just a dull school subject.\r"
        u"The laws of nature are very hard for you to learn.\r"
        u"The path of a philosopher or theologian is not for you.",
        // band 1
        u"About 10% :\r"
        u"You take the laws of nature on trust, without asking why.\r"
        u"You have no coherent picture of the world yet.\r"
        u"General laws are slow to stick in your memory.\r"
        u"Scientific work is unlikely to appeal to you.",
        // band 2
        u"About 30% :\r"
        u"Now and then you think about eternal questions,\r"
        u"but soon return to everyday matters.\r"
        u"You adopt other people's views more readily than you form your own.\r"
        u"You learn laws and theories less easily than most.\r"
        u"A scientific career would cost you a great deal of effort.",
        // band 3
        u"About 35% :\r"
        u"Your world view is taking shape, though it still has many gaps.\r"
        u"You enjoy popular science books.\r"
        u"You learn laws and theories nearly as well as the average person.\r"
        u"A lab assistant, yes; a researcher, not yet.",
        // band 4
        u"About 45% :\r"
        u"You see links between events and look for their causes.\r"
        u"Your grasp of the laws of nature is normal.\r"
        u"You would make a good science teacher.",
        // band 5
        u"About 55% :\r"
        u"A coherent world view and a taste for fundamental questions.\r"
        u"You debate faith and knowledge with respect for the other side.\r"
        u"Laws and theories stay with you well.\r"
        u"Research or the priesthood: both paths are open to you.",
        // band 6
        u"About 65% :\r"
        u"You seek to understand the universe and the place of humankind in it.\r"
        u"To you, science and religion are two views of one truth, not enemies.\r"
        u"Laws and theories stick in your mind with ease.\r"
        u"A philosopher's path would suit you: few people see the world as a whole as you do.",
        // band 7
        u"About 70% :\r"
        u"A deep understanding of the laws of nature and society.\r"
        u"Your judgements are broad and mature, and people seek your advice.\r"
        u"You master new laws and theories with remarkable ease.\r"
        u"Recognition as a scientist or a theologian awaits you.",
        // band 8
        u"About 90% :\r"
        u"Your own picture of the world seems the only true one.\r"
        u"You will spend hours winning over those who disagree.\r"
        u"There is a danger of becoming dogmatic.\r"
        u"You take in new theories eagerly, but only those that fit yours.\r"
        u"You could found a school of thought if you learn to listen to others.",
        // band 9
        u"About 95% :\r"
        u"You are obsessed with the search for ultimate truth\r"
        u"and will argue about it with anyone you meet.\r"
        u"Intolerance of other views\r"
        u"can lead to quarrels with those close to you.\r"
        u"Laws and theories fill your mind to the point of excess.\r"
        u"A hermit thinker's path appeals to you, but don't cut yourself off.",
        // band 10
        u"About 100% :\r"
        u"Hope, you are not going to declare yourself as Prophet!"
    },
};
// clang-format on

}  // namespace mr
